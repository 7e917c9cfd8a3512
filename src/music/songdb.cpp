#include "music/songdb.h"

#include "common/format.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype kEndsBytes = kSongTextCount * qsizetype(sizeof(quint32));

[[noreturn]] void ThrowNoItem(int index)
{
    throw TITBException(Format(u"アイテム番号%dにはアイテムが存在しません"_s, {index}));
}

/// Writes the block of `texts` at `place`: the end of each text in UTF-16 units, then the texts.
const quint32 *LayOut(void *place, const QStringView (&texts)[kSongTextCount])
{
    auto *ends = static_cast<quint32 *>(place);
    auto *out = reinterpret_cast<char16_t *>(ends + kSongTextCount);
    quint32 end = 0;
    for (int i = 0; i < kSongTextCount; ++i) {
        if (!texts[i].isEmpty())
            std::memcpy(out + end, texts[i].utf16(), size_t(texts[i].size()) * sizeof(char16_t));
        end += quint32(texts[i].size());
        ends[i] = end;
    }
    return ends;
}

qsizetype BlockBytes(const quint32 *block)
{
    return kEndsBytes + qsizetype(block[kSongTextCount - 1]) * qsizetype(sizeof(char16_t));
}

} // namespace

// ---- texts of a song being read ----

void TSongTextBuilder::Clear()
{
    for (TRef &ref : FRefs)
        ref = {};
    FText.resize(0); // keeps its memory
}

char16_t *TSongTextBuilder::Append(TSongText which, qsizetype units)
{
    const qsizetype start = FText.size();
    FText.resize(start + units); // the new units are written by the caller
    FRefs[int(which)] = {start, units};
    return reinterpret_cast<char16_t *>(FText.data()) + start;
}

void TSongTextBuilder::Set(TSongText which, QStringView text)
{
    const QString copy = text.toString(); // the text may be one of ours, which the append can move
    std::memcpy(Append(which, copy.size()), copy.utf16(), size_t(copy.size()) * sizeof(char16_t));
}

void TSongTextBuilder::SetUtf16LE(TSongText which, QByteArrayView bytes)
{
    const qsizetype units = bytes.size() / 2;
    char16_t *out = Append(which, units);
    if (units > 0)
        std::memcpy(out, bytes.data(), size_t(units) * sizeof(char16_t));
    if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian) {
        for (qsizetype i = 0; i < units; ++i)
            out[i] = qFromLittleEndian(out[i]);
    }
    // Texts are short: a plain loop beats a call to a vectorised search.
    for (qsizetype i = 0; i < units; ++i) {
        if (out[i] == 0) {
            FRefs[int(which)].FLength = i;
            break;
        }
    }
}

// ---- the texts of one entry ----

TSongTextBlock::TSongTextBlock(const TSongTextBlock &other)
{
    TakeCopy(other.FBlock);
}

TSongTextBlock::TSongTextBlock(TSongTextBlock &&other)
{
    if (other.FOwned) {
        FBlock = std::exchange(other.FBlock, nullptr);
        FOwned = std::exchange(other.FOwned, false);
    } else {
        TakeCopy(other.FBlock); // a list's block stays with the list's entry
    }
}

TSongTextBlock &TSongTextBlock::operator=(const TSongTextBlock &other)
{
    if (this != &other) {
        TSongTextBlock copy(other);
        *this = std::move(copy);
    }
    return *this;
}

TSongTextBlock &TSongTextBlock::operator=(TSongTextBlock &&other)
{
    if (this == &other)
        return *this;
    if (other.FOwned) {
        Release();
        FBlock = std::exchange(other.FBlock, nullptr);
        FOwned = std::exchange(other.FOwned, false);
    } else {
        TSongTextBlock copy(other);
        Release();
        FBlock = std::exchange(copy.FBlock, nullptr);
        FOwned = std::exchange(copy.FOwned, false);
    }
    return *this;
}

TSongTextBlock::~TSongTextBlock()
{
    Release();
}

void TSongTextBlock::Release()
{
    if (FOwned)
        ::operator delete(const_cast<quint32 *>(FBlock));
    FBlock = nullptr;
    FOwned = false;
}

void TSongTextBlock::TakeCopy(const quint32 *block)
{
    Release();
    if (!block)
        return;
    const qsizetype bytes = BlockBytes(block);
    void *place = ::operator new(size_t(bytes));
    std::memcpy(place, block, size_t(bytes));
    FBlock = static_cast<const quint32 *>(place);
    FOwned = true;
}

qsizetype TSongTextBlock::BytesFor(const QStringView (&texts)[kSongTextCount])
{
    qsizetype units = 0;
    for (const QStringView text : texts)
        units += text.size();
    return kEndsBytes + units * qsizetype(sizeof(char16_t));
}

void TSongTextBlock::UseBlockAt(void *place, const QStringView (&texts)[kSongTextCount])
{
    const quint32 *block = LayOut(place, texts); // before the old block goes: the texts may be in it
    Release();
    FBlock = block;
}

void TSongTextBlock::Set(TSongText which, QStringView text)
{
    QStringView texts[kSongTextCount];
    for (int i = 0; i < kSongTextCount; ++i)
        texts[i] = View(TSongText(i));
    texts[int(which)] = text;
    const qsizetype bytes = BytesFor(texts);
    if (bytes == kEndsBytes) {
        Release();
        return;
    }
    void *place = ::operator new(size_t(bytes));
    UseBlockAt(place, texts);
    FOwned = true;
}

// ---- entries ----

TITBSongItem::TITBSongItem() : TITBSongItem(NowDateTime()) {}

TITBSongItem::TITBSongItem(TDateTime created)
    : FDateAdded(created), FDateModified(created), FLastPlayed(created)
{}

TITBSongList::~TITBSongList()
{
    Clear();
}

TITBSongList::TITBSongList(TITBSongList &&other) noexcept
    : FItems(std::exchange(other.FItems, {})), FMemory(std::move(other.FMemory))
{}

TITBSongList &TITBSongList::operator=(TITBSongList &&other) noexcept
{
    if (this != &other) {
        Clear();
        FItems = std::exchange(other.FItems, {});
        FMemory = std::move(other.FMemory);
    }
    return *this;
}

int TITBSongList::VideoCount() const
{
    int count = 0;
    for (const TITBSongItem *item : FItems)
        count += item->FIsVideo ? 1 : 0;
    return count;
}

TITBSongItem &TITBSongList::Items(int index) const
{
    if (index < 0 || index >= Count())
        ThrowNoItem(index);
    return *FItems[size_t(index)];
}

TITBSongItem &TITBSongList::AddNew()
{
    return Place(NowDateTime());
}

TITBSongItem &TITBSongList::AddNew(TDateTime created)
{
    return Place(created);
}

TITBSongItem &TITBSongList::Add(std::unique_ptr<TITBSongItem> item)
{
    return Add(std::move(*item));
}

TITBSongItem &TITBSongList::Add(TITBSongItem item)
{
    return Place(std::move(item));
}

template <typename TArg> TITBSongItem &TITBSongList::Place(TArg &&arg)
{
    // Room in the list first, so that an entry made in the list's memory always has its place there.
    if (FItems.size() == FItems.capacity())
        FItems.reserve(std::max<size_t>(16, FItems.size() * 2));
    void *place = FMemory.Allocate(sizeof(TITBSongItem), alignof(TITBSongItem));
    FItems.push_back(new (place) TITBSongItem(std::forward<TArg>(arg)));
    return *FItems.back();
}

void TITBSongList::Delete(int index)
{
    if (index < 0 || index >= Count())
        ThrowNoItem(index);
    FItems[size_t(index)]->~TITBSongItem();
    FItems.erase(FItems.begin() + index);
}

void TITBSongList::Truncate(int count)
{
    if (count < 0 || count >= Count())
        return;
    for (size_t i = size_t(count); i < FItems.size(); ++i)
        FItems[i]->~TITBSongItem();
    FItems.resize(size_t(count));
}

void TITBSongList::Clear()
{
    for (TITBSongItem *item : FItems)
        item->~TITBSongItem();
    FItems.clear();
    FMemory.Clear();
}

void TITBSongList::SetLastTexts(const TSongTextBuilder &texts)
{
    if (FItems.empty())
        return;
    QStringView views[kSongTextCount];
    for (int i = 0; i < kSongTextCount; ++i)
        views[i] = texts.View(TSongText(i));
    TSongTextBlock &block = FItems.back()->FTexts;
    const qsizetype bytes = TSongTextBlock::BytesFor(views);
    if (bytes == kEndsBytes)
        block = TSongTextBlock();
    else
        block.UseBlockAt(FMemory.Allocate(bytes, alignof(quint32)), views);
}

// ---- playlists ----

TITBPlayListData &TITBPlayLists::Items(int index) const
{
    if (index < 0 || index >= Count())
        ThrowNoItem(index);
    return *FItems[size_t(index)];
}

TITBPlayListData &TITBPlayLists::AddNew()
{
    FItems.push_back(std::make_unique<TITBPlayListData>());
    return *FItems.back();
}

void TITBPlayLists::Clear()
{
    FItems.clear();
    FDeclaredCount = 0;
}

void TITBPlayLists::Truncate(int count)
{
    if (count >= 0 && count < Count())
        FItems.resize(size_t(count));
}
