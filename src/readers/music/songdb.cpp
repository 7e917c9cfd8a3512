#include "music/songdb.h"

#include "common/format.h"

#include <QCoreApplication>
#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype kEndsBytes = TSongTextBlock::kEndsBytes;

[[noreturn]] void ThrowNoItem(int index)
{
    throw TITBException(Format(
        QCoreApplication::translate("TITBSongList", "アイテム番号%dにはアイテムが存在しません"), {index}));
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

/// Copies UTF-16LE units to `out`; returns the length kept. Trailing NULs are padding; a NUL inside
/// the text is one more control character, made a blank as the others are in names, rather than a cut
/// that would drop the rest of a title.
qsizetype CopyText(char16_t *out, const char *in, qsizetype units)
{
    qsizetype i = 0;
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        // Four units at a time, until a group holds a NUL: texts are short and many, so a word test
        // beats a call to a vectorised search.
        for (; i + 4 <= units; i += 4) {
            quint64 word;
            std::memcpy(&word, in + 2 * i, sizeof(word));
            if ((word - 0x0001000100010001ull) & ~word & 0x8000800080008000ull)
                break;
            std::memcpy(out + i, &word, sizeof(word));
        }
    }
    qsizetype kept = i;
    for (; i < units; ++i) {
        const char16_t unit = qFromLittleEndian<quint16>(in + 2 * i);
        out[i] = unit == 0 ? u' ' : unit;
        if (unit != 0)
            kept = i + 1;
    }
    return kept;
}

} // namespace

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

void TSongTextBlock::UseBlock(const quint32 *block)
{
    Release();
    FBlock = block;
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
    : FItems(std::exchange(other.FItems, {})), FMemory(std::move(other.FMemory)),
      FOpen(std::exchange(other.FOpen, {}))
{}

TITBSongList &TITBSongList::operator=(TITBSongList &&other) noexcept
{
    if (this != &other) {
        Clear();
        FItems = std::exchange(other.FItems, {});
        FMemory = std::move(other.FMemory);
        FOpen = std::exchange(other.FOpen, {});
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
    StoreLastTexts();
    // Room in the list first, so that an entry made in the list's memory always has its place there.
    if (FItems.size() == FItems.capacity())
        FItems.reserve(std::max<size_t>(16, FItems.size() * 2));
    void *place = FMemory.Allocate(sizeof(TITBSongItem), alignof(TITBSongItem));
    FItems.push_back(new (place) TITBSongItem(std::forward<TArg>(arg)));
    return *FItems.back();
}

void TITBSongList::Reserve(int count)
{
    if (count <= Count())
        return;
    FItems.reserve(size_t(count));
    // An entry and its texts as a database holds them: some 300 bytes of text a song.
    FMemory.Expect(qsizetype(count - Count()) * qsizetype(sizeof(TITBSongItem) + 320));
}

void TITBSongList::Delete(int index)
{
    if (index < 0 || index >= Count())
        ThrowNoItem(index);
    StoreLastTexts();
    FItems[size_t(index)]->~TITBSongItem();
    FItems.erase(FItems.begin() + index);
}

void TITBSongList::Truncate(int count)
{
    if (count < 0 || count >= Count())
        return;
    StoreLastTexts();
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
    FOpen = {};
}

void TITBSongList::SetLastText(TSongText which, QByteArrayView utf16le)
{
    if (FItems.empty())
        return;
    const qsizetype units = utf16le.size() / 2;
    constexpr qsizetype unitBytes = sizeof(char16_t);
    if (!FOpen.FBlock) {
        FOpen.FRoom = std::max<qsizetype>(units, 512);
        FOpen.FBlock =
            static_cast<quint32 *>(FMemory.Allocate(kEndsBytes + FOpen.FRoom * unitBytes, alignof(quint32)));
    } else if (FOpen.FUnits + units > FOpen.FRoom) {
        const qsizetype room = std::max(FOpen.FUnits + units, FOpen.FRoom * 2);
        FOpen.FBlock =
            static_cast<quint32 *>(FMemory.Grow(FOpen.FBlock, kEndsBytes + FOpen.FUnits * unitBytes,
                                                kEndsBytes + room * unitBytes, alignof(quint32)));
        FOpen.FRoom = room;
    }
    auto *texts = reinterpret_cast<char16_t *>(FOpen.FBlock + kSongTextCount);
    const int i = int(which);
    FOpen.FInPlace = FOpen.FInPlace && i > FOpen.FLast;
    FOpen.FLast = i;
    const qsizetype copied = CopyText(texts + FOpen.FUnits, utf16le.data(), units);
    FOpen.FStart[i] = quint32(FOpen.FUnits);
    FOpen.FLength[i] = quint32(copied);
    FOpen.FUnits += copied;
}

void TITBSongList::StoreLastTexts()
{
    if (!FOpen.FBlock)
        return;
    quint32 *const written = FOpen.FBlock;
    const qsizetype units = FOpen.FUnits;
    const bool inPlace = FOpen.FInPlace;
    constexpr qsizetype unitBytes = sizeof(char16_t);
    FMemory.Shrink(written, kEndsBytes + FOpen.FRoom * unitBytes,
                   units == 0 ? 0 : kEndsBytes + units * unitBytes);
    const auto *texts = reinterpret_cast<const char16_t *>(written + kSongTextCount);
    QStringView views[kSongTextCount];
    for (int i = 0; i < kSongTextCount; ++i)
        views[i] = QStringView(texts + FOpen.FStart[i], qsizetype(FOpen.FLength[i]));
    // Ready for the next entry's texts before these become the entry's.
    FOpen.FBlock = nullptr;
    FOpen.FUnits = 0;
    FOpen.FLast = -1;
    FOpen.FInPlace = true;
    std::fill(std::begin(FOpen.FStart), std::end(FOpen.FStart), 0);
    std::fill(std::begin(FOpen.FLength), std::end(FOpen.FLength), 0);

    TSongTextBlock &block = FItems.back()->FTexts;
    if (units == 0) {
        block.UseBlock(nullptr);
    } else if (inPlace) {
        // Written in block order, each after the one before: only their ends are missing.
        quint32 end = 0;
        for (int i = 0; i < kSongTextCount; ++i) {
            end += quint32(views[i].size());
            written[i] = end;
        }
        block.UseBlock(written);
    } else {
        // Out of order or given twice: laid out again after them.
        block.UseBlockAt(FMemory.Allocate(TSongTextBlock::BytesFor(views), alignof(quint32)), views);
    }
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

int TITBPlayLists::Find(QStringView name) const
{
    const QList<int> found = FindAll(name);
    return found.isEmpty() ? -1 : found.first();
}

QList<int> TITBPlayLists::FindAll(QStringView name) const
{
    const QString wanted = name.toString().normalized(QString::NormalizationForm_C);
    // A plain playlist wins over the master playlist of the same name.
    for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        QList<int> plain, master;
        for (int i = 0; i < Count(); ++i) {
            const TITBPlayListData &list = *FItems[size_t(i)];
            if (list.FName.normalized(QString::NormalizationForm_C).compare(wanted, cs) == 0)
                (list.FMaster ? master : plain).append(i);
        }
        if (!plain.isEmpty())
            return plain;
        if (!master.isEmpty())
            return master;
    }
    return {};
}

bool TITBPlayLists::IsFolder(int index) const
{
    const quint64 id = Items(index).FPersistentID;
    if (id == 0)
        return false;
    for (int i = 0; i < Count(); ++i)
        if (i != index && FItems[size_t(i)]->FParentID == id)
            return true;
    return false;
}

int TITBPlayLists::ParentOf(int index) const
{
    const auto lookUp = [this](int from) {
        const quint64 parent = FItems[size_t(from)]->FParentID;
        if (parent == 0)
            return -1;
        for (int i = 0; i < Count(); ++i)
            if (i != from && FItems[size_t(i)]->FPersistentID == parent)
                return i;
        return -1;
    };
    Items(index); // raises for an index outside the list
    const int parent = lookUp(index);
    // A chain of folders that comes back to the playlist is damage: the playlist stays at the top.
    for (int at = parent, steps = 0; at >= 0 && steps <= Count(); at = lookUp(at), ++steps)
        if (at == index)
            return -1;
    return parent;
}

QList<int> PlayListSongIndexes(const TITBSongList &songs, const TITBPlayListData &list)
{
    QHash<qint32, int> byTrackID;
    byTrackID.reserve(songs.Count());
    int i = 0;
    for (const TITBSongItem *song : songs) {
        if (!byTrackID.contains(song->FTrackID)) // the first entry of a track id stands for it
            byTrackID.insert(song->FTrackID, i);
        ++i;
    }
    QList<int> indexes;
    indexes.reserve(list.FTrackIDs.size());
    for (const qint32 id : list.FTrackIDs)
        if (const auto at = byTrackID.constFind(id); at != byTrackID.cend())
            indexes.append(*at);
    return indexes;
}

QString PlayListKindName(const TITBPlayLists &lists, int index)
{
    switch (lists.Items(index).FKind) {
    case TPlayListKind::Master:
        return u"master"_s;
    case TPlayListKind::Podcast:
        return u"podcast"_s;
    case TPlayListKind::Smart:
        return u"smart"_s;
    case TPlayListKind::Plain:
        break;
    }
    return lists.IsFolder(index) ? u"folder"_s : u"playlist"_s;
}
