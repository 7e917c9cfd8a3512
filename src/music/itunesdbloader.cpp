#include "music/itunesdbloader.h"

#include "common/bytesource.h"
#include "common/format.h"
#include "platform/filebytes.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr quint32 kInvalidHeaderLength = 0xFFFF;
constexpr quint32 kM4VFileType = 0x4D345620; // "M4V " stored last letter first
constexpr qint64 kTrackBlockEnd = 220;       // mhit fields are read as one block from +12 to +219
constexpr quint32 kNoStringMarker = 100;
constexpr quint32 kCompressedFlagOffset = 0xA8; // mhbd +0xA8: 16-bit, 1 when the sections are zlib data

[[noreturn]] void ThrowBadHeader()
{
    throw TITBException(u"ヘッダーが不正です"_s);
}

[[noreturn]] void ThrowNoItem(int index)
{
    throw TITBException(Format(u"アイテム番号%dにはアイテムが存在しません"_s, {index}));
}

bool IsVideo(quint32 mediaType, quint32 fileType)
{
    switch (mediaType) {
    case 0:
    case 1:
    case 4:
    case 8:
        return false;
    case 2:
    case 6:
    case 32:
    case 64:
    case 96:
        return true;
    default:
        return fileType == kM4VFileType;
    }
}

/// UTF-16LE code units up to the first NUL.
QString DecodeUtf16LE(QByteArrayView bytes)
{
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    if (units > 0)
        std::memcpy(text.data(), bytes.data(), size_t(units) * 2);
    if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian) {
        for (QChar &c : text)
            c = QChar(qFromLittleEndian(c.unicode()));
    }
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

QString *StringField(TITBSongItem &song, quint32 type)
{
    switch (type) {
    case 1:
        return &song.FTitle;
    case 2:
        return &song.FLocation;
    case 3:
        return &song.FAlbum;
    case 4:
        return &song.FArtist;
    case 5:
        return &song.FGenre;
    case 6:
        return &song.FKind;
    case 7:
        return &song.FEqualizer;
    case 8:
        return &song.FComment;
    case 12:
        return &song.FComposer;
    case 13:
        return &song.FGrouping;
    default:
        return nullptr;
    }
}

void FillTrack(TITBSongItem &song, const TByteSpan &data, qint64 start)
{
    auto i32 = [&](qint64 at) { return data.LEAt<qint32>(start + at); };
    auto u32 = [&](qint64 at) { return data.LEAt<quint32>(start + at); };
    song.FTrackID = i32(16);
    const quint32 fileType = u32(24);
    song.FRating = *data.U8(start + 31);
    song.FDateModified = MacTimeToDateTime(u32(32));
    song.FSize = qint64(u32(36));
    song.FLength = i32(40);
    song.FTrackNumber = i32(44);
    song.FTrackCount = i32(48);
    song.FYear = i32(52);
    song.FBitRate = i32(56);
    song.FSampleRate = qint32(u32(60) >> 16); // 16.16 fixed point
    song.FVolume = i32(64);
    song.FPlayCount = i32(80);
    song.FLastPlayed = MacTimeToDateTime(u32(88));
    song.FDiscNumber = i32(92);
    song.FDiscCount = i32(96);
    song.FDateAdded = MacTimeToDateTime(u32(104));
    song.FDBID = data.LEAt<quint64>(start + 112);
    song.FIsVideo = IsVideo(u32(208), fileType);
}

/// A damaged or oversized compressed stream, found while the walk goes on.
class EDamagedStream : public TITBException
{
public:
    EDamagedStream() : TITBException(u"ヘッダーが不正です"_s) {}
};

/// The header length of a compressed database (iTunesCDB), 0 for a plain one. `head` is the start of
/// the data, `total` its whole size.
qint64 CompressedHeaderLength(QByteArrayView head, qint64 total)
{
    if (head.size() < kCompressedFlagOffset + 2 || head.first(4) != "mhbd")
        return 0;
    const TByteSpan span(head);
    const quint32 headerLength = span.LEAt<quint32>(4);
    if (headerLength <= kCompressedFlagOffset || headerLength >= kInvalidHeaderLength ||
        span.LEAt<quint16>(kCompressedFlagOffset) != 1)
        return 0;
    if (headerLength > total)
        ThrowBadHeader();
    return headerLength;
}

// A compressed stream inflates in parts of at most 1 MiB, smaller ones for a small stream (a database
// shrinks to a tenth or a fifteenth).
constexpr qint64 kSmallestPart = qint64(64) << 10;
constexpr qint64 kLargestPart = qint64(1) << 20;

/// The header of a compressed database followed by its zlib stream, inflated as far as the walk has
/// come. A damaged or cut stream, or one inflating beyond the bound, raises EDamagedStream.
class TInflatedBytes : public TByteSource
{
public:
    TInflatedBytes(QByteArrayView data, qint64 headerLength, qint64 bound)
        : FBuffer(data.first(headerLength).toByteArray()), FBound(bound)
    {
        const QByteArrayView packed = data.sliced(headerLength);
        FPart = std::clamp<qint64>(packed.size() * 16, kSmallestPart, kLargestPart);
        if (inflateInit(&FStream) != Z_OK)
            throw EDamagedStream();
        FStream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
        FStream.avail_in = uInt(qMin<qint64>(packed.size(), std::numeric_limits<uInt>::max()));
        SetWindow(FBuffer, 0);
    }
    ~TInflatedBytes() override { inflateEnd(&FStream); }

    qint64 Size() override
    {
        // The rest of the stream is inflated to learn its length, and to find it whole and bounded.
        QByteArray scratch(FPart, Qt::Uninitialized);
        qint64 beyond = 0;
        while (!FEnded)
            beyond += Inflate(scratch.data(), FPart);
        return FBufferPos + FBuffer.size() + beyond;
    }

protected:
    QByteArrayView Fetch(qint64 start, qint64 len) override
    {
        if (start < FBufferPos || len <= 0)
            return {};
        if (start + len > FBufferPos + FBuffer.size() && !FEnded) {
            SetWindow({}, FBufferPos); // the buffer moves
            // What lies before start is not asked for again.
            const qint64 drop = std::min<qint64>(start - FBufferPos, FBuffer.size());
            FBuffer.remove(0, drop);
            FBufferPos += drop;
            while (!FEnded && FBufferPos + FBuffer.size() < start + len) {
                if (FBufferPos + FBuffer.size() < start) { // stepped over: inflated and let go
                    FBufferPos += FBuffer.size();
                    FBuffer.clear();
                }
                const qint64 have = FBuffer.size();
                FBuffer.resize(have + FPart);
                FBuffer.truncate(have + Inflate(FBuffer.data() + have, FPart));
            }
            SetWindow(FBuffer, FBufferPos);
        }
        const qint64 end = std::min(start + len, FBufferPos + FBuffer.size());
        if (start >= end)
            return {};
        return QByteArrayView(FBuffer).sliced(start - FBufferPos, end - start);
    }

private:
    qint64 Inflate(char *out, qint64 room)
    {
        FStream.next_out = reinterpret_cast<Bytef *>(out);
        FStream.avail_out = uInt(room);
        const int result = inflate(&FStream, Z_NO_FLUSH);
        const qint64 produced = room - qint64(FStream.avail_out);
        // Z_BUF_ERROR with room left: the input ended before the stream did.
        if (result != Z_OK && result != Z_STREAM_END)
            throw EDamagedStream();
        if (qint64(FStream.total_out) > FBound)
            throw EDamagedStream();
        FEnded = result == Z_STREAM_END;
        return produced;
    }

    z_stream FStream{};
    QByteArray FBuffer; // the bytes from FBufferPos on
    qint64 FBufferPos = 0;
    qint64 FBound;
    qint64 FPart = kLargestPart;
    bool FEnded = false;
};

} // namespace

TITBSongItem::TITBSongItem() : TITBSongItem(NowDateTime()) {}

TITBSongItem::TITBSongItem(TDateTime created)
    : FDateAdded(created), FDateModified(created), FLastPlayed(created)
{}

int TITBSongList::VideoCount() const
{
    int count = 0;
    for (const auto &item : FItems)
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
    return Add(std::make_unique<TITBSongItem>());
}

TITBSongItem &TITBSongList::AddNew(TDateTime created)
{
    return Add(std::make_unique<TITBSongItem>(created));
}

TITBSongItem &TITBSongList::Add(std::unique_ptr<TITBSongItem> item)
{
    FItems.push_back(std::move(item));
    return *FItems.back();
}

TITBSongItem &TITBSongList::Add(TITBSongItem item)
{
    return Add(std::make_unique<TITBSongItem>(std::move(item)));
}

void TITBSongList::Delete(int index)
{
    if (index < 0 || index >= Count())
        ThrowNoItem(index);
    FItems.erase(FItems.begin() + index);
}

TITBPlayListData &TITBPlayLists::Items(int index) const
{
    if (index < 0 || index >= Count())
        ThrowNoItem(index);
    return *FItems[size_t(index)];
}

void TITBPlayLists::Truncate(int count)
{
    if (count >= 0 && count < Count())
        FItems.resize(size_t(count));
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

void TITunesDBLoader::LoadFromFile(const QString &path)
{
    TFileBytes bytes;
    if (!bytes.Open(path))
        throw ESorvoError(Format(u"ファイル \"%s\" を開けません。%s"_s, {path, bytes.ErrorString()}));
    const qint64 headerLength = CompressedHeaderLength(bytes.At(0, kCompressedFlagOffset + 2), bytes.Size());
    if (headerLength == 0) {
        Walk(bytes);
        return;
    }
    // A compressed database is a tenth of the plain one or less: it is read whole and inflated in parts.
    LoadCompressed(bytes.At(0, bytes.Size()), headerLength);
}

QString EndedEarlyText(int songs)
{
    return Format(u"曲データベースが途中で終わっています。読み込めた %d 件の曲だけを扱います"_s, {songs});
}

void TITunesDBLoader::Clear()
{
    FSongs.Clear();
    FPlayLists.Clear();
    FCurrentSong = nullptr;
    FCurrentPlayList = nullptr;
    FSection = 0;
    FEndedEarly = false;
}

void TITunesDBLoader::LoadFromStream(QByteArrayView bytes)
{
    // Later players keep the sections after the mhbd header compressed (iTunesCDB).
    if (const qint64 headerLength = CompressedHeaderLength(bytes, bytes.size())) {
        LoadCompressed(bytes, headerLength);
        return;
    }
    TMemoryBytes memory(bytes);
    Walk(memory);
}

void TITunesDBLoader::LoadCompressed(QByteArrayView data, qint64 headerLength)
{
    const int songs = FSongs.Count();
    const int playLists = FPlayLists.Count();
    const qint32 declared = FPlayLists.FDeclaredCount;
    const bool endedEarly = FEndedEarly;
    try {
        TInflatedBytes bytes(data, headerLength, FMaxInflatedBytes);
        Walk(bytes);
    } catch (const EDamagedStream &) {
        // Nothing of a damaged stream is kept, however far it read well.
        while (FSongs.Count() > songs)
            FSongs.Delete(FSongs.Count() - 1);
        FPlayLists.Truncate(playLists);
        FPlayLists.FDeclaredCount = declared;
        FEndedEarly = endedEarly;
        FCurrentSong = nullptr;
        FCurrentPlayList = nullptr;
        ThrowBadHeader();
    }
}

void TITunesDBLoader::Walk(TByteSource &bytes)
{
    const TDateTime now = NowDateTime();
    FSection = 0;
    FCurrentSong = nullptr;
    FCurrentPlayList = nullptr;
    qint64 pos = 0;
    // Every length the walk follows is checked against the data; one that runs past the end, or a
    // step that would not advance, ends the walk with what was read so far.
    while (true) {
        const qint64 start = pos;
        const QByteArrayView head = bytes.At(start, 16);
        if (head.size() < 8)
            break;
        const TByteSpan data(head);
        const QByteArrayView tag = head.first(4);
        const quint32 headerLength = data.LEAt<quint32>(4);
        if (headerLength >= kInvalidHeaderLength)
            ThrowBadHeader();
        qint64 step = headerLength;

        if (tag == "mhsd") {
            if (head.size() < 16)
                break;
            const quint32 totalLength = data.LEAt<quint32>(8);
            const quint32 type = data.LEAt<quint32>(12);
            FSection = qint32(type);
            if (type != 1 && type != 2 && type != 4)
                step = totalLength;
        } else if (FSection == 1) {
            if (tag == "mhit") {
                const QByteArrayView record = bytes.At(start, kTrackBlockEnd);
                if (record.size() < kTrackBlockEnd)
                    break;
                TITBSongItem &song = FSongs.AddNew(now);
                FCurrentSong = &song;
                FillTrack(song, TByteSpan(record), 0);
            } else if (tag == "mhod") {
                step = ReadString(bytes, start);
            }
        } else if (FSection == 2) {
            if (tag == "mhlp") {
                if (head.size() < 12)
                    break;
                FPlayLists.FDeclaredCount = data.LEAt<qint32>(8);
            } else if (tag == "mhyp") {
                const QByteArrayView record = bytes.At(start, 32);
                if (record.size() < 32)
                    break;
                const TByteSpan list(record);
                TITBPlayListData &item = FPlayLists.AddNew();
                item.FItemCount = list.LEAt<qint32>(16);
                item.FPlayListID = list.LEAt<qint32>(28);
                FCurrentPlayList = &item;
                step = list.LEAt<quint32>(8);
            } else if (tag == "mhod") {
                if (head.size() < 12)
                    break;
                step = data.LEAt<quint32>(8);
            }
        } else if (FSection == 4) {
            if (tag == "mhod")
                step = ReadString(bytes, start);
        }
        if (step <= 0)
            break;
        pos = start + step;
    }
    // A walk that stopped short of the end, or a length that ran past it, means the file ended early.
    FEndedEarly = FEndedEarly || pos != bytes.Size();
}

qint64 TITunesDBLoader::ReadString(TByteSource &bytes, qint64 start)
{
    const QByteArrayView head = bytes.At(start, 40);
    if (head.size() < 40)
        return 0;
    const TByteSpan fields(head);
    const quint32 totalLength = fields.LEAt<quint32>(8);
    const quint32 type = fields.LEAt<quint32>(12);
    const quint32 marker = fields.LEAt<quint32>(24);
    const qint32 length = fields.LEAt<qint32>(28);
    const QByteArrayView record = bytes.At(start, totalLength);
    if (record.size() < qint64(totalLength))
        return 0; // an incomplete chunk ends the walk
    if (marker == kNoStringMarker || type > 13 || length < 0 || length > 65535 || !FCurrentSong)
        return totalLength;
    QString *field = StringField(*FCurrentSong, type);
    if (!field)
        return totalLength;
    // The text may not reach beyond its own chunk, nor beyond the data.
    const qint64 room = qMax<qint64>(0, qint64(totalLength) - 40);
    *field = DecodeUtf16LE(TByteSpan(record).Mid(40, qMin<qint64>(length, room)));
    return totalLength;
}
