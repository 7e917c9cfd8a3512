#include "music/itunesdbloader.h"

#include "common/bytespan.h"
#include "common/format.h"

#include <QFile>

#include <zlib.h>

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

/// The zlib stream after the database header, inflated behind a copy of that header. A stream that is
/// damaged, cut short or would inflate beyond the bound is refused as a bad header.
QByteArray InflateDatabase(QByteArrayView bytes, qint64 headerLength, qint64 bound)
{
    QByteArray out(bytes.first(headerLength).toByteArray());
    const QByteArrayView packed = bytes.sliced(headerLength);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        ThrowBadHeader();
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    stream.avail_in = uInt(qMin<qint64>(packed.size(), std::numeric_limits<uInt>::max()));
    // One byte of room beyond the bound tells a stream that ends there from one that goes on.
    const qint64 limit = bound + 1;
    // Databases shrink to a tenth or a fifteenth. The room is reserved generously at once: pages that
    // are never written cost no memory, and every regrowth would copy what was inflated so far.
    qint64 capacity = qBound<qint64>(qint64(64) << 10, packed.size() * 20, limit);
    int result = Z_OK;
    while (result == Z_OK) {
        const qint64 produced = qint64(stream.total_out);
        if (produced >= limit)
            break;
        if (produced >= capacity)
            capacity = qMin(limit, capacity * 2);
        out.resize(headerLength + capacity);
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + headerLength + produced);
        stream.avail_out = uInt(capacity - produced);
        result = inflate(&stream, Z_NO_FLUSH);
        if (result == Z_BUF_ERROR && stream.avail_out > 0)
            break; // the input ended before the stream did
        if (result == Z_BUF_ERROR)
            result = Z_OK; // only the room was full
    }
    const qint64 produced = qint64(stream.total_out);
    inflateEnd(&stream);
    if (result != Z_STREAM_END || produced > bound)
        ThrowBadHeader();
    out.resize(headerLength + produced);
    return out;
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ESorvoError(Format(u"ファイル \"%s\" を開けません。%s"_s, {path, file.errorString()}));
    const QByteArray data = file.readAll();
    LoadFromStream(data);
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
    QByteArray inflated;
    if (bytes.size() >= kCompressedFlagOffset + 2 && bytes.first(4) == "mhbd") {
        const TByteSpan head(bytes);
        const quint32 headerLength = head.LEAt<quint32>(4);
        if (headerLength > kCompressedFlagOffset && headerLength < kInvalidHeaderLength &&
            head.LEAt<quint16>(kCompressedFlagOffset) == 1) {
            if (headerLength > quint32(bytes.size()))
                ThrowBadHeader();
            inflated = InflateDatabase(bytes, headerLength, FMaxInflatedBytes);
            bytes = inflated;
        }
    }
    const TByteSpan data(bytes);
    const TDateTime now = NowDateTime();
    FSection = 0;
    FCurrentSong = nullptr;
    FCurrentPlayList = nullptr;
    qint64 pos = 0;
    // Every length the walk follows is checked against the data; one that runs past the end, or a
    // step that would not advance, ends the walk with what was read so far.
    while (data.Has(pos, 8)) {
        const qint64 start = pos;
        const QByteArrayView tag = data.Tag(start);
        const quint32 headerLength = data.LEAt<quint32>(start + 4);
        if (headerLength >= kInvalidHeaderLength)
            ThrowBadHeader();
        qint64 step = headerLength;

        if (tag == "mhsd") {
            if (!data.Has(start, 16))
                break;
            const quint32 totalLength = data.LEAt<quint32>(start + 8);
            const quint32 type = data.LEAt<quint32>(start + 12);
            FSection = qint32(type);
            if (type != 1 && type != 2 && type != 4)
                step = totalLength;
        } else if (FSection == 1) {
            if (tag == "mhit") {
                if (!data.Has(start, kTrackBlockEnd))
                    break;
                TITBSongItem &song = FSongs.AddNew(now);
                FCurrentSong = &song;
                FillTrack(song, data, start);
            } else if (tag == "mhod") {
                step = ReadString(bytes, start);
            }
        } else if (FSection == 2) {
            if (tag == "mhlp") {
                if (!data.Has(start, 12))
                    break;
                FPlayLists.FDeclaredCount = data.LEAt<qint32>(start + 8);
            } else if (tag == "mhyp") {
                if (!data.Has(start, 32))
                    break;
                TITBPlayListData &list = FPlayLists.AddNew();
                list.FItemCount = data.LEAt<qint32>(start + 16);
                list.FPlayListID = data.LEAt<qint32>(start + 28);
                FCurrentPlayList = &list;
                step = data.LEAt<quint32>(start + 8);
            } else if (tag == "mhod") {
                if (!data.Has(start, 12))
                    break;
                step = data.LEAt<quint32>(start + 8);
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
    FEndedEarly = FEndedEarly || pos != bytes.size();
}

qint64 TITunesDBLoader::ReadString(QByteArrayView bytes, qint64 start)
{
    const TByteSpan data(bytes);
    if (!data.Has(start, 40))
        return 0;
    const quint32 totalLength = data.LEAt<quint32>(start + 8);
    const quint32 type = data.LEAt<quint32>(start + 12);
    const quint32 marker = data.LEAt<quint32>(start + 24);
    const qint32 length = data.LEAt<qint32>(start + 28);
    if (!data.Has(start, totalLength))
        return 0; // an incomplete chunk ends the walk
    if (marker == kNoStringMarker || type > 13 || length < 0 || length > 65535 || !FCurrentSong)
        return totalLength;
    QString *field = StringField(*FCurrentSong, type);
    if (!field)
        return totalLength;
    // The text may not reach beyond its own chunk, nor beyond the data.
    const qint64 room = qMax<qint64>(0, qint64(totalLength) - 40);
    *field = DecodeUtf16LE(data.Mid(start + 40, qMin<qint64>(length, room)));
    return totalLength;
}
