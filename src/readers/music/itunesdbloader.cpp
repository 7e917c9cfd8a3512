#include "music/itunesdbloader.h"

#include "common/bytesource.h"
#include "common/format.h"
#include "common/textutils.h"
#include "platform/filebytes.h"
#include "platform/regularfile.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <optional>

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr quint32 kInvalidHeaderLength = 0xFFFF;
constexpr quint32 kM4VFileType = 0x4D345620; // "M4V " stored last letter first
constexpr qint64 kTrackBlockEnd = 220;       // mhit fields are read as one block from +12 to +219
constexpr quint32 kNoStringMarker = 100;
constexpr quint32 kMostTracks = 100000;         // more than a player holds
constexpr qint64 kPlayListHeaderEnd = 88;       // mhyp fields are read up to the parent id at +80
constexpr quint32 kCompressedFlagOffset = 0xA8; // mhbd +0xA8: 16-bit, 1 when the sections are zlib data

[[noreturn]] void ThrowBadHeader()
{
    throw TITBException(QCoreApplication::translate("TITunesDBLoader", "ヘッダーが不正です"));
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

/// The song text an mhod type fills; none for the types that store nothing.
std::optional<TSongText> StringField(quint32 type)
{
    switch (type) {
    case 1:
        return TSongText::Title;
    case 2:
        return TSongText::Location;
    case 3:
        return TSongText::Album;
    case 4:
        return TSongText::Artist;
    case 5:
        return TSongText::Genre;
    case 6:
        return TSongText::Kind;
    case 7:
        return TSongText::Equalizer;
    case 8:
        return TSongText::Comment;
    case 12:
        return TSongText::Composer;
    case 13:
        return TSongText::Grouping;
    default:
        return std::nullopt;
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
    EDamagedStream() : TITBException(QCoreApplication::translate("TITunesDBLoader", "ヘッダーが不正です")) {}
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

/// An mhod string chunk: type at +12, marker at +24, length at +28, UTF-16LE text at +40.
struct TStringChunk
{
    qint64 FStep = 0; // the chunk's total length; 0 when it does not fit the data
    quint32 FType = 0;
    bool FStores = false; // false: the chunk stores nothing
    QByteArrayView FText;
};

TStringChunk ReadStringChunk(TByteSource &bytes, qint64 start)
{
    const TByteSpan head = bytes.Span(start, 40);
    if (head.Size() < 40)
        return {};
    const quint32 totalLength = head.LEAt<quint32>(8);
    const quint32 type = head.LEAt<quint32>(12);
    const quint32 marker = head.LEAt<quint32>(24);
    const qint32 length = head.LEAt<qint32>(28);
    const QByteArrayView record = bytes.At(start, totalLength);
    if (record.size() < qint64(totalLength))
        return {}; // an incomplete chunk ends the walk
    if (marker == kNoStringMarker || length < 0 || length > 65535)
        return {totalLength, type, false, {}};
    // The text may not reach beyond its own chunk, nor beyond the data.
    const qint64 room = qMax<qint64>(0, qint64(totalLength) - 40);
    return {totalLength, type, true, TByteSpan(record).Mid(40, qMin<qint64>(length, room))};
}

/// One walk over the chunks of a database, appending to the loader's lists. A song's texts are
/// written as its string chunks come and become the song's when the next song begins or the walk ends.
class TDatabaseWalker
{
public:
    TDatabaseWalker(TITunesDBLoader &loader, TByteSource &bytes)
        : FSongs(loader.FSongs), FPlayLists(loader.FPlayLists), FBytes(bytes), FNow(NowDateTime())
    {}

    /// Where the walk stopped: the end of the data unless it ended early.
    qint64 Run()
    {
        try {
            const qint64 end = Walk();
            FSongs.StoreLastTexts();
            return end;
        } catch (...) {
            FSongs.StoreLastTexts(); // the songs read so far stay, with their texts
            throw;
        }
    }

private:
    qint64 Walk();
    void ReadPlayList(TITBPlayListData &list, qint64 pos, qint64 end);

    TITBSongList &FSongs;
    TITBPlayLists &FPlayLists;
    TByteSource &FBytes;
    const TDateTime FNow;
    qint32 FSection = 0;    // type of the section being walked
    bool FHaveSong = false; // string chunks have a song to go to: the last one read
};

qint64 TDatabaseWalker::Walk()
{
    qint64 pos = 0;
    // Every length the walk follows is checked against the data; one that runs past the end, or a
    // step that would not advance, ends the walk with what was read so far.
    while (true) {
        const qint64 start = pos;
        const QByteArrayView head = FBytes.At(start, 16);
        if (head.size() < 8)
            break;
        const TByteSpan data(head);
        const quint32 tag = data.LEAt<quint32>(0);
        const quint32 headerLength = data.LEAt<quint32>(4);
        if (headerLength >= kInvalidHeaderLength)
            ThrowBadHeader();
        qint64 step = headerLength;

        if (tag == TagCode("mhsd")) {
            if (head.size() < 16)
                break;
            const quint32 totalLength = data.LEAt<quint32>(8);
            const quint32 type = data.LEAt<quint32>(12);
            FSection = qint32(type);
            if (type != 1 && type != 2 && type != 4)
                step = totalLength;
        } else if (FSection == 1 && tag == TagCode("mhlt")) {
            // The track count prepares room for the tracks; a count beyond any player's is not trusted.
            if (head.size() >= 12)
                FSongs.Reserve(FSongs.Count() + int(std::min(data.LEAt<quint32>(8), quint32(kMostTracks))));
        } else if (FSection == 1 && tag == TagCode("mhit")) {
            const TByteSpan record = FBytes.Span(start, kTrackBlockEnd);
            if (record.Size() < kTrackBlockEnd)
                break;
            FillTrack(FSongs.AddNew(FNow), record, 0);
            FHaveSong = true;
        } else if ((FSection == 1 || FSection == 4) && tag == TagCode("mhod")) {
            // Strings of the album list land on the last song read.
            const TStringChunk chunk = ReadStringChunk(FBytes, start);
            const std::optional<TSongText> field = StringField(chunk.FType);
            if (chunk.FStores && field && FHaveSong)
                FSongs.SetLastText(*field, chunk.FText);
            step = chunk.FStep;
        } else if (FSection == 2) {
            if (tag == TagCode("mhlp")) {
                if (head.size() < 12)
                    break;
                FPlayLists.FDeclaredCount = data.LEAt<qint32>(8);
            } else if (tag == TagCode("mhyp")) {
                const TByteSpan header =
                    FBytes.Span(start, std::clamp<qint64>(headerLength, 36, kPlayListHeaderEnd));
                if (header.Size() < 36)
                    break;
                TITBPlayListData &list = FPlayLists.AddNew();
                list.FItemCount = header.LEAt<qint32>(16);
                list.FMaster = header.LEAt<quint8>(20) != 0;
                list.FPersistentID = header.LEAt<quint64>(28);
                list.FPlayListID = qint32(quint32(list.FPersistentID));
                // +42: 1 for the podcast list; +80: the persistent id of the folder holding the playlist.
                if (list.FMaster)
                    list.FKind = TPlayListKind::Master;
                else if (header.Size() >= 44 && header.LEAt<quint16>(42) == 1)
                    list.FKind = TPlayListKind::Podcast;
                if (header.Size() >= kPlayListHeaderEnd)
                    list.FParentID = header.LEAt<quint64>(80);
                list.FTrackIDs.reserve(std::clamp<qint32>(list.FItemCount, 0, kMostTracks));
                step = header.LEAt<quint32>(8);
                ReadPlayList(list, start + headerLength, start + step);
            } else if (tag == TagCode("mhod")) {
                if (head.size() < 12)
                    break;
                step = data.LEAt<quint32>(8);
            }
        }
        if (step <= 0)
            break;
        pos = start + step;
    }
    return pos;
}

/// The playlist's children from pos to end: its name (a type 1 string), the smart rules (types 50, 51)
/// and an mhip per member, track id at +24. Each child is stepped over by its total length (+8), an mhip with
/// its own children.
void TDatabaseWalker::ReadPlayList(TITBPlayListData &list, qint64 pos, qint64 end)
{
    while (pos < end) {
        const TByteSpan head = FBytes.Span(pos, 28);
        if (head.Size() < 12)
            return;
        const quint32 tag = head.LEAt<quint32>(0);
        qint64 step = head.LEAt<quint32>(8);
        if (tag == TagCode("mhip")) {
            if (head.Size() < 28)
                return;
            list.FTrackIDs.append(head.LEAt<qint32>(24));
        } else if (tag == TagCode("mhod")) {
            const TStringChunk chunk = ReadStringChunk(FBytes, pos);
            if (chunk.FStores && chunk.FType == 1)
                list.FName = DecodeWideOrUtf8(chunk.FText, 0, true);
            // Types 50 and 51 hold a smart playlist's settings and rules.
            else if ((chunk.FType == 50 || chunk.FType == 51) && list.FKind == TPlayListKind::Plain)
                list.FKind = TPlayListKind::Smart;
            step = chunk.FStep;
        }
        if (step <= 0 || step > end - pos)
            return;
        pos += step;
    }
}

} // namespace

QString EndedEarlyText(int songs)
{
    return QCoreApplication::translate(
        "TITunesDBLoader", "曲データベースが途中で終わっています。読み込めた %n 件の曲だけを扱います",
        nullptr, songs);
}

void TITunesDBLoader::LoadFromFile(const QString &path)
{
    TFileBytes bytes;
    if (!bytes.Open(path))
        throw ESorvoError(Format(tr("ファイル \"%s\" を開けません。%s"), {path, bytes.ErrorString()}));
    const qint64 headerLength = CompressedHeaderLength(bytes.At(0, kCompressedFlagOffset + 2), bytes.Size());
    if (headerLength == 0) {
        Walk(bytes);
        return;
    }
    // A compressed database is a tenth of the plain one or less: it is read whole and inflated in parts.
    if (bytes.Size() > kDatabaseFileLimit)
        throw ESorvoError(Format(tr("ファイル \"%s\" を開けません。%s"),
                                 {path, FileTooLargeText(bytes.Size(), kDatabaseFileLimit)}));
    LoadCompressed(bytes.At(0, bytes.Size()), headerLength);
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

void TITunesDBLoader::Clear()
{
    FSongs.Clear();
    FPlayLists.Clear();
    FRecordedPlays.Clear();
    FEndedEarly = false;
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
        FSongs.Truncate(songs);
        FPlayLists.Truncate(playLists);
        FPlayLists.FDeclaredCount = declared;
        FEndedEarly = endedEarly;
        ThrowBadHeader();
    }
}

void TITunesDBLoader::Walk(TByteSource &bytes)
{
    const qint64 end = TDatabaseWalker(*this, bytes).Run();
    // A walk that stopped short of the end, or a length that ran past it, means the file ended early.
    FEndedEarly = FEndedEarly || end != bytes.Size();
}
