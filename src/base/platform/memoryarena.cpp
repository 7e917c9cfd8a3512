#include "platform/memoryarena.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace {

constexpr qsizetype kFirstBlock = qsizetype(64) << 10;
constexpr qsizetype kLargestBlock = qsizetype(8) << 20;
constexpr qsizetype kLargePage = qsizetype(2) << 20; // x86-64 and AArch64 with 4 KiB pages

} // namespace

/// One block from the system: small ones from the heap, large ones mapped on their own, aligned to
/// the large page size and marked for large pages.
class TMemoryArena::TBlock
{
public:
    explicit TBlock(qsizetype size) : FSize(size)
    {
#ifdef Q_OS_LINUX
        if (size >= kLargePage) {
            // Mapped with room to align, then the unaligned ends given back.
            const size_t mapped = size_t(size + kLargePage);
            void *area = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (area == MAP_FAILED)
                throw std::bad_alloc();
            const auto begin = reinterpret_cast<std::uintptr_t>(area);
            const std::uintptr_t aligned = (begin + kLargePage - 1) & ~std::uintptr_t(kLargePage - 1);
            if (aligned > begin)
                munmap(area, aligned - begin);
            const std::uintptr_t end = begin + mapped;
            if (end > aligned + size_t(size))
                munmap(reinterpret_cast<void *>(aligned + size_t(size)), end - aligned - size_t(size));
            FData = reinterpret_cast<char *>(aligned);
            FMapped = true;
            // Only a wish: without large pages the block works the same, with more faults.
            madvise(FData, size_t(size), MADV_HUGEPAGE);
            return;
        }
#endif
        FData = static_cast<char *>(::operator new(size_t(size), std::align_val_t(16)));
    }
    ~TBlock()
    {
#ifdef Q_OS_LINUX
        if (FMapped) {
            munmap(FData, size_t(FSize));
            return;
        }
#endif
        ::operator delete(FData, std::align_val_t(16));
    }
    TBlock(const TBlock &) = delete;
    TBlock &operator=(const TBlock &) = delete;

    char *Data() const
    {
        return FData;
    }
    qsizetype Size() const
    {
        return FSize;
    }

private:
    char *FData = nullptr;
    qsizetype FSize;
    bool FMapped = false;
};

TMemoryArena::TMemoryArena() = default;
TMemoryArena::~TMemoryArena() = default;

TMemoryArena::TMemoryArena(TMemoryArena &&other) noexcept
    : FBlocks(std::move(other.FBlocks)), FNext(std::exchange(other.FNext, nullptr)),
      FEnd(std::exchange(other.FEnd, nullptr)), FExpected(std::exchange(other.FExpected, 0))
{
    other.FBlocks.clear();
}

TMemoryArena &TMemoryArena::operator=(TMemoryArena &&other) noexcept
{
    if (this != &other) {
        FBlocks = std::move(other.FBlocks);
        other.FBlocks.clear();
        FNext = std::exchange(other.FNext, nullptr);
        FEnd = std::exchange(other.FEnd, nullptr);
        FExpected = std::exchange(other.FExpected, 0);
    }
    return *this;
}

void *TMemoryArena::Allocate(qsizetype size, qsizetype alignment)
{
    const auto align = [&](char *p) {
        const auto at = reinterpret_cast<std::uintptr_t>(p);
        return reinterpret_cast<char *>((at + std::uintptr_t(alignment) - 1) &
                                        ~std::uintptr_t(alignment - 1));
    };
    char *place = FNext ? align(FNext) : nullptr;
    if (!place || place > FEnd || FEnd - place < size) {
        // Each block eight times the last, up to a bound, so that a large load soon reaches blocks of
        // large pages; a record larger than the bound gets a block of its own.
        const qsizetype last = FBlocks.empty() ? kFirstBlock / 8 : FBlocks.back()->Size();
        const qsizetype grown = std::max(last * 8, std::min(FExpected, kLargestBlock));
        const qsizetype blockSize = std::max(std::min(grown, kLargestBlock), size + alignment);
        FExpected = std::max<qsizetype>(FExpected - blockSize, 0);
        FBlocks.push_back(std::make_unique<TBlock>(blockSize));
        FNext = FBlocks.back()->Data();
        FEnd = FNext + blockSize;
        place = align(FNext);
    }
    FNext = place + size;
    return place;
}

void *TMemoryArena::Grow(void *piece, qsizetype size, qsizetype newSize, qsizetype alignment)
{
    char *at = static_cast<char *>(piece);
    if (at + size == FNext && FEnd - at >= newSize) {
        FNext = at + newSize;
        return at;
    }
    void *moved = Allocate(newSize, alignment);
    std::memcpy(moved, at, size_t(size));
    return moved;
}

void TMemoryArena::Shrink(void *piece, qsizetype size, qsizetype newSize)
{
    char *at = static_cast<char *>(piece);
    if (at + size == FNext && newSize <= size)
        FNext = at + newSize;
}

void TMemoryArena::Clear()
{
    FBlocks.clear();
    FNext = nullptr;
    FEnd = nullptr;
    FExpected = 0;
}
