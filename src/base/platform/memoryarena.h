#pragma once

#include <QtGlobal>

#include <memory>
#include <vector>

/// Memory for many small records that are made together and freed together: taken from the system
/// in large blocks and handed out in order. Blocks of 2 MiB and more ask the system for large pages,
/// where it has them: a first write to each 4 KiB page is a fault of its own, which for tens of
/// megabytes of records costs more than filling them.
class TMemoryArena
{
public:
    TMemoryArena();
    ~TMemoryArena();
    TMemoryArena(TMemoryArena &&other) noexcept;
    TMemoryArena &operator=(TMemoryArena &&other) noexcept;
    TMemoryArena(const TMemoryArena &) = delete;
    TMemoryArena &operator=(const TMemoryArena &) = delete;

    /// `size` bytes aligned to `alignment` (a power of two, at most 16), valid until Clear or the end
    /// of the arena. Throws std::bad_alloc when the system has no memory left.
    void *Allocate(qsizetype size, qsizetype alignment);
    /// About `bytes` more will be asked for: the next block is made that large at once (up to the
    /// largest block), rather than growing to it from small ones.
    void Expect(qsizetype bytes) { FExpected = bytes; }
    /// The last piece handed out (at `piece`, `size` bytes) made `newSize` bytes long: in place when its
    /// block has room, else moved to a new block with its first `size` bytes. Returns where it lies.
    void *Grow(void *piece, qsizetype size, qsizetype newSize, qsizetype alignment);
    /// The last piece handed out (at `piece`, `size` bytes) cut to `newSize` bytes; the rest is handed
    /// out again. Nothing happens for a piece that is not the last.
    void Shrink(void *piece, qsizetype size, qsizetype newSize);
    /// Frees every block at once; nothing handed out before may be used afterwards.
    void Clear();

private:
    class TBlock;
    std::vector<std::unique_ptr<TBlock>> FBlocks;
    char *FNext = nullptr;
    char *FEnd = nullptr;
    qsizetype FExpected = 0;
};
