#include "itunesdbwriter.h"

#include "fixturefiles.h"

#include <QtEndian>

#include <zlib.h>

using namespace Qt::Literals::StringLiterals;

namespace {

void Put32(QByteArray &b, qsizetype at, quint32 v)
{
    qToLittleEndian(v, b.data() + at);
}
void Put16(QByteArray &b, qsizetype at, quint16 v)
{
    qToLittleEndian(v, b.data() + at);
}
void Put64(QByteArray &b, qsizetype at, quint64 v)
{
    qToLittleEndian(v, b.data() + at);
}

QByteArray Header(const char *tag, quint32 headerLength, qsizetype minimum = 0)
{
    QByteArray b(qMax<qsizetype>(qMax<qsizetype>(headerLength, 8), minimum), '\0');
    std::memcpy(b.data(), tag, 4);
    Put32(b, 4, headerLength);
    return b;
}

QByteArray Utf16LE(const QString &text)
{
    QByteArray b(text.size() * 2, '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        Put16(b, i * 2, text.at(i).unicode());
    return b;
}

} // namespace

TITDBTrack &TITDBTrack::Str(quint32 type, const QString &text)
{
    strings.append({type, text});
    return *this;
}

QByteArray TITunesDBWriter::RawChunk(const char *tag, quint32 headerLength, quint32 totalLength)
{
    QByteArray b = Header(tag, headerLength, 12);
    Put32(b, 8, totalLength ? totalLength : headerLength);
    return b.left(qMax<qsizetype>(headerLength, 12));
}

QByteArray TITunesDBWriter::StringChunk(const TITDBString &s)
{
    const QByteArray text = Utf16LE(s.text);
    QByteArray b = Header("mhod", s.headerLength.value_or(24), 40);
    b.truncate(40);
    Put32(b, 8, s.totalLength.value_or(quint32(40 + text.size())));
    Put32(b, 12, s.type);
    Put32(b, 24, s.marker);
    Put32(b, 28, quint32(s.length.value_or(qint32(text.size()))));
    Put32(b, 32, 1);
    return b + text;
}

QByteArray TITunesDBWriter::TrackChunk(const TITDBTrack &t)
{
    // The fields are laid out in a full-size block, then cut to the header length asked for.
    QByteArray b = Header("mhit", t.headerLength, 0x184);
    Put32(b, 12, quint32(t.strings.size()));
    Put32(b, 16, quint32(t.trackId));
    Put32(b, 20, 1); // visible
    QByteArray code = t.fileType.leftJustified(4, ' ', true);
    for (int i = 0; i < 4; ++i)
        b[24 + i] = code[3 - i];
    b[31] = char(t.rating);
    Put32(b, 32, t.dateModified);
    Put32(b, 36, t.size);
    Put32(b, 40, quint32(t.length));
    Put32(b, 44, quint32(t.trackNumber));
    Put32(b, 48, quint32(t.trackCount));
    Put32(b, 52, quint32(t.year));
    Put32(b, 56, quint32(t.bitRate));
    Put32(b, 60, t.sampleRate << 16);
    Put32(b, 64, quint32(t.volume));
    Put32(b, 80, quint32(t.playCount));
    Put32(b, 88, t.lastPlayed);
    Put32(b, 92, quint32(t.discNumber));
    Put32(b, 96, quint32(t.discCount));
    Put32(b, 104, t.dateAdded);
    Put64(b, 112, t.dbid);
    Put32(b, 208, t.mediaType);
    b.truncate(t.headerLength);
    QByteArray strings;
    for (const TITDBString &s : t.strings)
        strings += StringChunk(s);
    if (b.size() >= 12)
        Put32(b, 8, t.totalLength.value_or(quint32(b.size() + strings.size())));
    return b + strings;
}

QByteArray TITunesDBWriter::PlaylistChunk(const TITDBPlaylist &p)
{
    QByteArray body = StringChunk({1, p.name});
    if (p.smart) {
        // Settings (live update, limits) and the rules list, big-endian "SLst" with no rules.
        QByteArray settings = Header("mhod", 24, 24 + 72);
        Put32(settings, 8, quint32(settings.size()));
        Put32(settings, 12, 50);
        settings[24] = 1;
        QByteArray rules = Header("mhod", 24, 24 + 136);
        Put32(rules, 8, quint32(rules.size()));
        Put32(rules, 12, 51);
        std::memcpy(rules.data() + 24, "SLst", 4);
        body += settings + rules;
    }
    for (qsizetype i = 0; i < p.trackIds.size(); ++i) {
        QByteArray position = Header("mhod", 24, 44);
        Put32(position, 8, 44);
        Put32(position, 12, 100);
        Put32(position, 24, quint32(i + 1));
        QByteArray entry = Header("mhip", 76);
        Put32(entry, 8, quint32(entry.size() + position.size()));
        Put32(entry, 12, 1);
        Put32(entry, 20, quint32(i + 1));
        Put32(entry, 24, quint32(p.trackIds[i]));
        body += entry + position;
    }
    QByteArray b = Header("mhyp", 0x6C);
    Put32(b, 8, quint32(b.size() + body.size()));
    Put32(b, 12, p.smart ? 3 : 1);
    Put32(b, 16, quint32(p.itemCount.value_or(qint32(p.trackIds.size()))));
    b[20] = p.master ? 1 : 0;
    Put64(b, 28, p.id);
    Put16(b, 42, p.podcast ? 1 : 0);
    Put64(b, 80, p.parentId);
    return b + body;
}

QByteArray TITunesDBWriter::AlbumChunk(const TITDBAlbum &a)
{
    QByteArray strings;
    for (const TITDBString &s : a.strings)
        strings += StringChunk(s);
    QByteArray b = Header("mhia", 0x58);
    Put32(b, 8, quint32(b.size() + strings.size()));
    Put32(b, 12, quint32(a.strings.size()));
    Put16(b, 16, a.albumId);
    return b + strings;
}

QByteArray TITunesDBWriter::SectionChunk(quint32 type, const QByteArray &body)
{
    QByteArray b = Header("mhsd", 0x60);
    Put32(b, 8, quint32(b.size() + body.size()));
    Put32(b, 12, type);
    return b + body;
}

void TITunesDBWriter::AddMasterPlaylist(const QString &name)
{
    TITDBPlaylist master;
    master.name = name;
    master.master = true;
    master.id = 0x1234567890ABCDEFull;
    for (const TITDBTrack &t : FTracks)
        master.trackIds.append(t.trackId);
    FPlaylists.prepend(master);
}

QByteArray TITunesDBWriter::ToBytes() const
{
    QByteArray sections;
    for (const quint32 type : FSections) {
        QByteArray body;
        if (type == 1) {
            body = Header("mhlt", 0x5C);
            Put32(body, 8, quint32(FTracks.size()));
            for (const TITDBTrack &t : FTracks)
                body += TrackChunk(t);
        } else if (type == 2 || type == 3) {
            body = Header("mhlp", 0x5C);
            Put32(body, 8, quint32(FPlaylists.size()));
            for (const TITDBPlaylist &p : FPlaylists)
                body += PlaylistChunk(p);
        } else if (type == 4) {
            body = Header("mhla", 0x5C);
            Put32(body, 8, quint32(FAlbums.size()));
            for (const TITDBAlbum &a : FAlbums)
                body += AlbumChunk(a);
        } else {
            body = FRawSectionBody;
        }
        sections += SectionChunk(type, body);
    }
    QByteArray b = Header("mhbd", FDatabaseHeaderLength, 0x20);
    b.truncate(FDatabaseHeaderLength);
    if (b.size() >= 0x20) {
        Put32(b, 8, quint32(b.size() + sections.size()));
        Put32(b, 12, 1);
        Put32(b, 16, FVersion);
        Put32(b, 20, quint32(FSections.size()));
        Put64(b, 24, 0x0102030405060708ull);
    }
    if (b.size() >= 0x48)
        b[0x46] = 'j', b[0x47] = 'a';
    return FCompressed ? Compress(b + sections) : b + sections;
}

QByteArray TITunesDBWriter::Compress(const QByteArray &database, int level)
{
    if (database.size() < 8)
        return database;
    const quint32 headerLength = qFromLittleEndian<quint32>(database.constData() + 4);
    const qsizetype kept = qMin<qsizetype>(headerLength, database.size());
    QByteArray header = database.first(kept);
    if (header.size() < 0xBC) {
        header.resize(0xBC, '\0');
        Put32(header, 4, 0xBC);
    }
    Put16(header, 0xA8, 1);
    const QByteArray rest = database.sliced(kept);
    uLongf packedSize = compressBound(uLong(rest.size()));
    QByteArray packed(qsizetype(packedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef *>(rest.constData()), uLong(rest.size()), level) != Z_OK)
        return {};
    packed.truncate(qsizetype(packedSize));
    Put32(header, 8, quint32(header.size() + packed.size()));
    return header + packed;
}

bool TITunesDBWriter::WriteTo(const QString &path) const
{
    return WriteFixtureFile(path, ToBytes());
}

TITDBTrack TITunesDBWriter::SampleTrack(int index)
{
    static const QStringList artists = {u"坂本 龍一"_s,
                                        u"The Beatles"_s,
                                        u"Miles Davis"_s,
                                        u"宇多田ヒカル"_s,
                                        u"Ludwig van Beethoven"_s,
                                        u"Björk"_s,
                                        u"YELLOW MAGIC ORCHESTRA"_s};
    static const QStringList genres = {u"Rock"_s, u"Jazz"_s, u"Classical"_s, u"J-Pop"_s, u"Electronic"_s};
    TITDBTrack t;
    const int artist = index % int(artists.size());
    const int album = index / 12;
    t.trackId = 100 + index;
    t.fileType = "MP3 ";
    t.rating = quint8((index % 6) * 20);
    t.dateModified = 3300000000u + quint32(index) * 61;
    t.size = 3000000u + quint32(index % 5000) * 997;
    t.length = 180000 + (index % 240) * 1000;
    t.trackNumber = index % 12 + 1;
    t.trackCount = 12;
    t.year = 1960 + index % 60;
    t.bitRate = 128 + (index % 3) * 64;
    t.volume = 0;
    t.playCount = index % 37;
    t.lastPlayed = 3400000000u + quint32(index) * 13;
    t.discNumber = 1;
    t.discCount = 1;
    t.dateAdded = 3200000000u + quint32(index) * 17;
    t.dbid = 0x8000000000000000ull + quint64(index) * 7919;
    t.mediaType = 1;
    t.Str(1, QString(u"曲 %1 — Song number %2"_s).arg(index).arg(index % 12 + 1))
        .Str(2, QString(u":iPod_Control:Music:F%1:%2.mp3"_s)
                    .arg(index % 50, 2, 10, QChar(u'0'))
                    .arg(QString::number(0x10000 + index * 31, 36).toUpper()))
        .Str(3, QString(u"Album %1 アルバム"_s).arg(album))
        .Str(4, artists[artist])
        .Str(5, genres[index % genres.size()])
        .Str(6, u"MPEG オーディオファイル"_s)
        .Str(8, QString(u"Comment for track %1"_s).arg(index))
        .Str(12, artists[(artist + 3) % artists.size()]);
    return t;
}
