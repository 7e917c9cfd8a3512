#include "music/itunesdbloader.h"

#include "fixturefiles.h"
#include "itunesdbwriter.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

using TStrings = QList<TITDBString>;
Q_DECLARE_METATYPE(TStrings)
Q_DECLARE_METATYPE(TITDBTrack)
Q_DECLARE_METATYPE(TITDBPlaylist)

class TstITunesDBLoader : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryField();
    void strings_data();
    void strings();
    void video_data();
    void video();
    void shortHeaderMediaType_data();
    void shortHeaderMediaType();
    void sections_data();
    void sections();
    void playlists();
    void playlistKinds_data();
    void playlistKinds();
    void playlistFolders();
    void damagedPlaylists_data();
    void damagedPlaylists();
    void damaged_data();
    void damaged();
    void invalidHeaderKeepsEarlierSongs();
    void compressedGivesTheSameSongs_data();
    void compressedGivesTheSameSongs();
    void damagedCompressed_data();
    void damagedCompressed();
    void compressedSizeBound_data();
    void compressedSizeBound();
    void appendsAndClears();
    void loadFromFile();
    void fileInPartsSameAsMemory_data();
    void fileInPartsSameAsMemory();
};

namespace {

TITunesDBLoader Load(const QByteArray &bytes)
{
    TITunesDBLoader loader;
    loader.LoadFromStream(bytes);
    return loader;
}

// The songs and playlists of two loads agree.
void SameSongs(const TITunesDBLoader &got, const TITunesDBLoader &expected)
{
    QCOMPARE(got.FSongs.Count(), expected.FSongs.Count());
    QCOMPARE(got.FPlayLists.Count(), expected.FPlayLists.Count());
    for (int i = 0; i < expected.FSongs.Count(); ++i) {
        const TITBSongItem &x = expected.FSongs.Items(i);
        const TITBSongItem &y = got.FSongs.Items(i);
        QCOMPARE(y.Title(), x.Title());
        QCOMPARE(y.Location(), x.Location());
        QCOMPARE(y.Artist(), x.Artist());
        QCOMPARE(y.Album(), x.Album());
        QCOMPARE(y.Genre(), x.Genre());
        QCOMPARE(y.Composer(), x.Composer());
        QCOMPARE(y.FSize, x.FSize);
        QCOMPARE(y.FYear, x.FYear);
        QCOMPARE(y.FTrackID, x.FTrackID);
        QCOMPARE(y.FTrackNumber, x.FTrackNumber);
        QCOMPARE(y.FDBID, x.FDBID);
        QCOMPARE(y.FDateAdded, x.FDateAdded);
    }
    for (int i = 0; i < expected.FPlayLists.Count(); ++i) {
        QCOMPARE(got.FPlayLists.Items(i).FName, expected.FPlayLists.Items(i).FName);
        QCOMPARE(got.FPlayLists.Items(i).FTrackIDs, expected.FPlayLists.Items(i).FTrackIDs);
    }
}

QByteArray OneTrack(const TITDBTrack &track)
{
    TITunesDBWriter w;
    w.FTracks = {track};
    w.AddMasterPlaylist();
    return w.ToBytes();
}

QString Field(const TITBSongItem &s, const QString &name)
{
    static const QHash<QString, TSongText> fields = {
        {u"title"_s, TSongText::Title},         {u"location"_s, TSongText::Location},
        {u"album"_s, TSongText::Album},         {u"artist"_s, TSongText::Artist},
        {u"genre"_s, TSongText::Genre},         {u"kind"_s, TSongText::Kind},
        {u"equalizer"_s, TSongText::Equalizer}, {u"comment"_s, TSongText::Comment},
        {u"composer"_s, TSongText::Composer},   {u"grouping"_s, TSongText::Grouping}};
    return s.Text(fields.value(name));
}

} // namespace

void TstITunesDBLoader::readsEveryField()
{
    TITDBTrack t;
    t.trackId = 4711;
    t.fileType = "MP3 ";
    t.rating = 80;
    t.dateModified = 86400 * 2 + 3600; // 1904-01-03 01:00
    t.size = 0x90000000u;              // above 2 GiB: must stay positive
    t.length = 245123;
    t.trackNumber = 3;
    t.trackCount = 14;
    t.year = 1987;
    t.bitRate = 320;
    t.sampleRate = 48000;
    t.volume = -42;
    t.playCount = 17;
    t.lastPlayed = 3'000'000'000u;
    t.discNumber = 2;
    t.discCount = 3;
    t.dateAdded = 0;
    t.dbid = 0xFEDCBA9876543210ull;
    t.mediaType = 1;
    t.Str(1, u"春の海"_s).Str(2, u":iPod_Control:Music:F03:ABCD.mp3"_s);

    const TITunesDBLoader loader = Load(OneTrack(t));
    QCOMPARE(loader.FSongs.Count(), 1);
    const TITBSongItem &s = loader.FSongs.Items(0);
    QCOMPARE(s.FTrackID, 4711);
    QCOMPARE(s.FRating, quint8(80));
    QCOMPARE(s.FDateModified, 1464.0 + 1.0 / 24.0);
    QCOMPARE(s.FSize, qint64(0x90000000u));
    QCOMPARE(s.FLength, 245123);
    QCOMPARE(s.FTrackNumber, 3);
    QCOMPARE(s.FTrackCount, 14);
    QCOMPARE(s.FYear, 1987);
    QCOMPARE(s.FBitRate, 320);
    QCOMPARE(s.FSampleRate, 48000);
    QCOMPARE(s.FVolume, -42);
    QCOMPARE(s.FPlayCount, 17);
    QCOMPARE(s.FLastPlayed, 3'000'000'000.0 / 86400.0 + 1462.0);
    QCOMPARE(s.FDiscNumber, 2);
    QCOMPARE(s.FDiscCount, 3);
    QCOMPARE(s.FDateAdded, 1462.0); // zero is 1904-01-01
    QCOMPARE(s.FDBID, 0xFEDCBA9876543210ull);
    QCOMPARE(s.FIsVideo, false);
    QCOMPARE(s.Title(), u"春の海"_s);
    QCOMPARE(s.Location(), u":iPod_Control:Music:F03:ABCD.mp3"_s);
    QCOMPARE(DateTimeToQDateTime(s.FLastPlayed).toString(u"yyyy-MM-dd HH:mm:ss"_s), u"1999-01-24 05:20:00"_s);
}

void TstITunesDBLoader::strings_data()
{
    QTest::addColumn<TStrings>("strings");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    const QStringList names = {u"title"_s, u"location"_s,  u"album"_s,   u"artist"_s,   u"genre"_s,
                               u"kind"_s,  u"equalizer"_s, u"comment"_s, u"composer"_s, u"grouping"_s};
    const QList<quint32> types = {1, 2, 3, 4, 5, 6, 7, 8, 12, 13};
    for (qsizetype i = 0; i < types.size(); ++i)
        QTest::addRow("type %u fills %s", types[i], qPrintable(names[i]))
            << TStrings{{types[i], u"値 ü"_s}} << names[i] << u"値 ü"_s;

    QTest::addRow("marker 100 stores nothing") << TStrings{{1, u"hidden"_s, 100}} << u"title"_s << QString();
    QTest::addRow("later string wins")
        << TStrings{{4, u"first"_s}, {4, u"second"_s}} << u"artist"_s << u"second"_s;
    for (quint32 type : {0u, 9u, 10u, 11u, 14u, 15u, 100u, 200u})
        QTest::addRow("type %u stores nothing", type)
            << TStrings{{type, u"x"_s}, {1, u"title"_s}} << u"title"_s << u"title"_s;
    QTest::addRow("inner NUL a blank") << TStrings{{1, u"abc\0def"_s}} << u"title"_s << u"abc def"_s;
    QTest::addRow("trailing NULs padding") << TStrings{{1, QString(u"abc\0\0"_s)}} << u"title"_s << u"abc"_s;
    QTest::addRow("odd byte length drops half unit")
        << TStrings{{1, u"abc"_s, 1, 5}} << u"title"_s << u"ab"_s;
    QTest::addRow("length shorter than text") << TStrings{{1, u"abcdef"_s, 1, 4}} << u"title"_s << u"ab"_s;
    QTest::addRow("negative length skipped")
        << TStrings{{1, u"keep"_s}, {1, u"bad"_s, 1, -2}} << u"title"_s << u"keep"_s;
    QTest::addRow("length above 65535 skipped")
        << TStrings{{1, u"keep"_s}, {1, u"bad"_s, 1, 65536}} << u"title"_s << u"keep"_s;
    QTest::addRow("length 65535 cut to chunk")
        << TStrings{{1, u"abc"_s, 1, 65535}, {4, u"next"_s}} << u"title"_s << u"abc"_s;
    QTest::addRow("length beyond its chunk cut to chunk")
        << TStrings{{1, u"ab"_s, 1, 8}, {4, u"next"_s}} << u"title"_s << u"ab"_s;
    QTest::addRow("empty string") << TStrings{{1, u"x"_s}, {1, QString()}} << u"title"_s << QString();
}

void TstITunesDBLoader::strings()
{
    QFETCH(TStrings, strings);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    TITDBTrack t;
    t.strings = strings;
    const TITunesDBLoader loader = Load(OneTrack(t));
    QCOMPARE(loader.FSongs.Count(), 1);
    QCOMPARE(Field(loader.FSongs.Items(0), field), expected);
}

void TstITunesDBLoader::video_data()
{
    QTest::addColumn<quint32>("mediaType");
    QTest::addColumn<QByteArray>("fileType");
    QTest::addColumn<bool>("video");
    for (quint32 m : {0u, 1u, 4u, 8u})
        QTest::addRow("media %u, M4V file, audio", m) << m << QByteArray("M4V ") << false;
    for (quint32 m : {2u, 6u, 32u, 64u, 96u})
        QTest::addRow("media %u, MP3 file, video", m) << m << QByteArray("MP3 ") << true;
    QTest::addRow("other media, M4V file") << 0x400u << QByteArray("M4V ") << true;
    QTest::addRow("other media, MP4 file") << 0x400u << QByteArray("MP4 ") << false;
    QTest::addRow("other media, M4A file") << 3u << QByteArray("M4A ") << false;
}

void TstITunesDBLoader::video()
{
    QFETCH(quint32, mediaType);
    QFETCH(QByteArray, fileType);
    QFETCH(bool, video);
    TITDBTrack t;
    t.mediaType = mediaType;
    t.fileType = fileType;
    const TITunesDBLoader loader = Load(OneTrack(t));
    QCOMPARE(loader.FSongs.Items(0).FIsVideo, video);
    QCOMPARE(loader.FSongs.VideoCount(), video ? 1 : 0);
}

void TstITunesDBLoader::shortHeaderMediaType_data()
{
    // With a 168-byte header, +208 falls on the text of the first string chunk.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("fileType");
    QTest::addColumn<bool>("video");
    QTest::addRow("reads 2: video") << u"\u0002\u0000"_s << QByteArray("MP3 ") << true;
    QTest::addRow("reads 1: audio despite M4V") << u"\u0001\u0000"_s << QByteArray("M4V ") << false;
    QTest::addRow("other value, M4V decides") << u"AB"_s << QByteArray("M4V ") << true;
    QTest::addRow("other value, MP3") << u"AB"_s << QByteArray("MP3 ") << false;
}

void TstITunesDBLoader::shortHeaderMediaType()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, fileType);
    QFETCH(bool, video);
    TITDBTrack t;
    t.headerLength = 168;
    t.fileType = fileType;
    t.mediaType = 2; // lies beyond the header: not written
    t.trackId = 5;
    t.Str(1, text).Str(4, u"Artist"_s);
    const TITunesDBLoader loader = Load(OneTrack(t));
    QCOMPARE(loader.FSongs.Count(), 1);
    const TITBSongItem &s = loader.FSongs.Items(0);
    QCOMPARE(s.FIsVideo, video);
    QCOMPARE(s.FTrackID, 5);
    QCOMPARE(s.Artist(), u"Artist"_s);
}

void TstITunesDBLoader::sections_data()
{
    QTest::addColumn<QList<quint32>>("sections");
    QTest::addColumn<int>("songs");
    QTest::addColumn<int>("playlists");
    QTest::addColumn<QString>("lastTitle");
    QTest::addRow("tracks and playlists") << QList<quint32>{1, 2} << 2 << 2 << u"B"_s;
    QTest::addRow("type 3 skipped whole, tracks after it read") << QList<quint32>{3, 1} << 2 << 0 << u"B"_s;
    QTest::addRow("type 5 skipped") << QList<quint32>{5, 1, 2} << 2 << 2 << u"B"_s;
    QTest::addRow("tracks twice append") << QList<quint32>{1, 1} << 4 << 0 << u"B"_s;
    // Strings of the album list land on the last song read.
    QTest::addRow("album strings reach the last song") << QList<quint32>{1, 4} << 2 << 0 << u"Album title"_s;
    QTest::addRow("no sections") << QList<quint32>{} << 0 << 0 << QString();
}

void TstITunesDBLoader::sections()
{
    QFETCH(QList<quint32>, sections);
    QFETCH(int, songs);
    QFETCH(int, playlists);
    QFETCH(QString, lastTitle);
    TITunesDBWriter w;
    TITDBTrack a, b;
    a.trackId = 1;
    a.Str(1, u"A"_s);
    b.trackId = 2;
    b.Str(1, u"B"_s);
    w.FTracks = {a, b};
    w.AddMasterPlaylist();
    w.FPlaylists.append({u"Other"_s, false, 7, {2}});
    w.FAlbums = {{1, {{1, u"Album title"_s}, {200, u"ignored"_s}}}};
    w.FSections = sections;
    w.FRawSectionBody = TITunesDBWriter::TrackChunk(a); // a track inside a skipped section is not read
    const TITunesDBLoader loader = Load(w.ToBytes());
    QCOMPARE(loader.FSongs.Count(), songs);
    QCOMPARE(loader.FPlayLists.Count(), playlists);
    if (songs > 0)
        QCOMPARE(loader.FSongs.Items(songs - 1).Title(), lastTitle);
}

void TstITunesDBLoader::playlists()
{
    TITunesDBWriter w;
    for (int i = 0; i < 3; ++i) {
        TITDBTrack t;
        t.trackId = 10 + i;
        w.FTracks.append(t);
    }
    w.AddMasterPlaylist(u"Master name"_s);
    w.FPlaylists.append({u"お気に入り"_s, false, 0x1122334455667788ull, {12, 10}});
    w.FPlaylists.append({u"Claims"_s, false, 5, {10}, 99});
    w.FPlaylists.append({QString(), false, 6, {}});
    const TITunesDBLoader loader = Load(w.ToBytes());
    QCOMPARE(loader.FSongs.Count(), 3);
    QCOMPARE(loader.FPlayLists.FDeclaredCount, 4);
    QCOMPARE(loader.FPlayLists.Count(), 4);
    const TITBPlayListData &master = loader.FPlayLists.Items(0);
    QCOMPARE(master.FName, u"Master name"_s);
    QVERIFY(master.FMaster);
    QCOMPARE(master.FItemCount, 3);
    QCOMPARE(master.FTrackIDs, (QList<qint32>{10, 11, 12}));
    const TITBPlayListData &favourites = loader.FPlayLists.Items(1);
    QCOMPARE(favourites.FName, u"お気に入り"_s);
    QVERIFY(!favourites.FMaster);
    QCOMPARE(favourites.FPlayListID, qint32(0x55667788));
    QCOMPARE(favourites.FTrackIDs, (QList<qint32>{12, 10}));
    // The stated count is kept as stated; the members are those present.
    QCOMPARE(loader.FPlayLists.Items(2).FItemCount, 99);
    QCOMPARE(loader.FPlayLists.Items(2).FTrackIDs, QList<qint32>{10});
    QVERIFY(loader.FPlayLists.Items(3).FName.isEmpty());
    QVERIFY(loader.FPlayLists.Items(3).FTrackIDs.isEmpty());
    // Playlist strings do not reach the songs.
    QVERIFY(loader.FSongs.Items(2).Title().isEmpty());
}

void TstITunesDBLoader::playlistKinds_data()
{
    QTest::addColumn<TITDBPlaylist>("playlist");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("kindName");
    QTest::addColumn<QList<int>>("songs");
    const QList<qint32> members{12, 99, 10}; // 99 is no song of the database
    QTest::addRow("plain") << TITDBPlaylist(u"P"_s, false, 5, members) << int(TPlayListKind::Plain)
                           << u"playlist"_s << QList<int>{2, 0};
    QTest::addRow("master") << TITDBPlaylist(u"M"_s, true, 5, {10, 11, 12}) << int(TPlayListKind::Master)
                            << u"master"_s << QList<int>{0, 1, 2};
    TITDBPlaylist podcast(u"Podcasts"_s, false, 5, {11});
    podcast.podcast = true;
    QTest::addRow("podcast") << podcast << int(TPlayListKind::Podcast) << u"podcast"_s << QList<int>{1};
    // A smart playlist's stored songs are its members, in their order.
    TITDBPlaylist smart(u"Smart"_s, false, 5, members);
    smart.smart = true;
    QTest::addRow("smart") << smart << int(TPlayListKind::Smart) << u"smart"_s << QList<int>{2, 0};
    // The master flag wins over the others.
    TITDBPlaylist both = smart;
    both.master = true;
    QTest::addRow("master with rules")
        << both << int(TPlayListKind::Master) << u"master"_s << QList<int>{2, 0};
}

void TstITunesDBLoader::playlistKinds()
{
    QFETCH(TITDBPlaylist, playlist);
    QFETCH(int, kind);
    QFETCH(QString, kindName);
    QFETCH(QList<int>, songs);
    TITunesDBWriter w;
    for (int i = 0; i < 3; ++i) {
        TITDBTrack t;
        t.trackId = 10 + i;
        w.FTracks.append(t);
    }
    w.FPlaylists = {playlist, {u"After"_s, false, 6, {11}}};
    const TITunesDBLoader loader = Load(w.ToBytes());
    QCOMPARE(loader.FPlayLists.Count(), 2);
    const TITBPlayListData &list = loader.FPlayLists.Items(0);
    QCOMPARE(int(list.FKind), kind);
    QCOMPARE(PlayListKindName(loader.FPlayLists, 0), kindName);
    QCOMPARE(list.FName, playlist.name);
    QCOMPARE(list.FTrackIDs, playlist.trackIds);
    QCOMPARE(PlayListSongIndexes(loader.FSongs, list), songs);
    // The chunks of one playlist do not run into the next.
    QCOMPARE(loader.FPlayLists.Items(1).FName, u"After"_s);
    QCOMPARE(int(loader.FPlayLists.Items(1).FKind), int(TPlayListKind::Plain));
    QCOMPARE(loader.FPlayLists.Items(1).FTrackIDs, QList<qint32>{11});
}

void TstITunesDBLoader::playlistFolders()
{
    TITunesDBWriter w;
    w.FSections = {2};
    const auto in = [](QString name, quint64 id, quint64 parent) {
        TITDBPlaylist p(std::move(name), false, id, {});
        p.parentId = parent;
        return p;
    };
    w.FPlaylists = {in(u"Top"_s, 0x100000001ull, 0),
                    in(u"Inner"_s, 0x100000002ull, 0x100000001ull),
                    in(u"Leaf"_s, 3, 0x100000002ull),
                    in(u"Orphan"_s, 4, 77),
                    in(u"LoopA"_s, 5, 6),
                    in(u"LoopB"_s, 6, 5)};
    const TITunesDBLoader loader = Load(w.ToBytes());
    const TITBPlayLists &lists = loader.FPlayLists;
    QCOMPARE(lists.Count(), 6);
    // The whole 64-bit id is compared: the low halves of Top and Inner are 1 and 2.
    QCOMPARE(lists.Items(1).FParentID, 0x100000001ull);
    QCOMPARE(lists.ParentOf(0), -1);
    QCOMPARE(lists.ParentOf(1), 0);
    QCOMPARE(lists.ParentOf(2), 1);
    QCOMPARE(lists.ParentOf(3), -1); // its folder is missing
    QCOMPARE(lists.ParentOf(4), -1); // folders in a loop stay at the top
    QCOMPARE(lists.ParentOf(5), -1);
    QVERIFY(lists.IsFolder(0));
    QVERIFY(lists.IsFolder(1));
    QVERIFY(!lists.IsFolder(2));
    QCOMPARE(PlayListKindName(lists, 1), u"folder"_s);
    QCOMPARE(PlayListKindName(lists, 2), u"playlist"_s);
}

void TstITunesDBLoader::damagedPlaylists_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<qint32>>("trackIds");
    QTest::addColumn<int>("playlists");

    TITunesDBWriter w;
    w.FSections = {2};
    w.FPlaylists = {{u"First"_s, false, 1, {7, 8, 9}}, {u"Second"_s, false, 2, {9}}};
    const QByteArray good = w.ToBytes();
    const qsizetype first = good.indexOf("mhyp");
    const qsizetype second = good.indexOf("mhyp", first + 4);
    const qsizetype firstEntry = good.indexOf("mhip", first);
    QTest::addRow("whole") << good << u"First"_s << QList<qint32>{7, 8, 9} << 2;

    // A playlist's total length ends its members; the walk steps over the entries beyond it.
    QByteArray shortTotal = good;
    qToLittleEndian<quint32>(quint32(firstEntry - first + 120), shortTotal.data() + first + 8);
    QTest::addRow("total length ends the members") << shortTotal << u"First"_s << QList<qint32>{7} << 2;

    // An entry whose own total length is 0 ends the members there; the walk goes on after the playlist.
    QByteArray zeroEntry = good;
    qToLittleEndian<quint32>(0, zeroEntry.data() + firstEntry + 120 + 8);
    QTest::addRow("entry of length 0") << zeroEntry << u"First"_s << QList<qint32>{7, 8} << 2;

    // A name with marker 100 stores nothing.
    QByteArray hiddenName = good;
    qToLittleEndian<quint32>(100, hiddenName.data() + good.indexOf("mhod", first) + 24);
    QTest::addRow("name with marker 100") << hiddenName << QString() << QList<qint32>{7, 8, 9} << 2;

    // A cut inside the first playlist's members keeps the members read before it.
    QTest::addRow("cut inside an entry")
        << good.left(firstEntry + 120 + 20) << u"First"_s << QList<qint32>{7} << 1;
    QTest::addRow("cut before the second") << good.left(second) << u"First"_s << QList<qint32>{7, 8, 9} << 1;
}

void TstITunesDBLoader::damagedPlaylists()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QList<qint32>, trackIds);
    QFETCH(int, playlists);
    const QByteArray exact(bytes.constData(), bytes.size());
    const TITunesDBLoader loader = Load(exact);
    QCOMPARE(loader.FPlayLists.Count(), playlists);
    QCOMPARE(loader.FPlayLists.Items(0).FName, name);
    QCOMPARE(loader.FPlayLists.Items(0).FTrackIDs, trackIds);
}

void TstITunesDBLoader::damaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("songs");
    QTest::addColumn<QString>("lastTitle");

    TITDBTrack full;
    full.trackId = 1;
    full.mediaType = 2;
    full.Str(1, u"Full"_s);
    TITDBTrack second;
    second.Str(1, u"Second"_s);
    TITunesDBWriter w;
    w.FTracks = {full, second};
    w.FSections = {1};
    const QByteArray good = w.ToBytes();
    const qsizetype secondStart = good.indexOf("mhit", good.indexOf("mhit") + 4);

    QTest::addRow("empty file") << QByteArray() << 0 << QString();
    QTest::addRow("seven bytes") << good.left(7) << 0 << QString();
    QTest::addRow("whole") << good << 2 << u"Second"_s;
    QTest::addRow("cut inside second header") << good.left(secondStart + 100) << 1 << u"Full"_s;
    QTest::addRow("cut inside last string keeps its song") << good.left(good.size() - 2) << 2 << QString();
    QTest::addRow("cut before last string text") << good.left(good.size() - 12) << 2 << QString();

    // The track list's count only prepares room: one far beyond any player, or too small, reads the same.
    for (const quint32 count : {0xFFFFFFFFu, 0u}) {
        QByteArray counted = good;
        qToLittleEndian<quint32>(count, counted.data() + counted.indexOf("mhlt") + 8);
        QTest::addRow("track count %u", count) << counted << 2 << u"Second"_s;
    }

    // A short mhit header: the fixed block reaches into the strings that follow.
    TITDBTrack shortHeader;
    shortHeader.headerLength = 156;
    shortHeader.trackId = 77;
    shortHeader.Str(1, u"Short"_s).Str(4, u"An artist name long enough"_s);
    w.FTracks = {shortHeader};
    QTest::addRow("short mhit header still read") << w.ToBytes() << 1 << u"Short"_s;

    // A zero header length cannot advance the walk: the track is read, its strings are not.
    QByteArray zero = good;
    qToLittleEndian<quint32>(0, zero.data() + secondStart + 4);
    QTest::addRow("zero step ends the walk") << zero << 2 << QString();

    // A string whose total length runs far past the end ends the walk after it.
    TITDBTrack runaway = full;
    runaway.strings = {{1, u"Runaway"_s, 1, std::nullopt, 0xFFFFFF00u}, {4, u"never"_s}};
    w.FTracks = {runaway, second};
    QTest::addRow("huge mhod total length") << w.ToBytes() << 1 << QString();
    w.FTracks = {full, second};

    // A section whose total length points past the end.
    QByteArray section = TITunesDBWriter::SectionChunk(9, QByteArray(10, 'x'));
    qToLittleEndian<quint32>(0xFFFFFFF0u, section.data() + 8);
    QTest::addRow("skipped section beyond the end") << (w.ToBytes() + section) << 2 << u"Second"_s;
}

void TstITunesDBLoader::damaged()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, songs);
    QFETCH(QString, lastTitle);
    // A copy the reader cannot read past: the sanitizers catch any read outside it.
    const QByteArray exact(bytes.constData(), bytes.size());
    const TITunesDBLoader loader = Load(exact);
    QCOMPARE(loader.FSongs.Count(), songs);
    if (songs > 0)
        QCOMPARE(loader.FSongs.Items(songs - 1).Title(), lastTitle);
}

void TstITunesDBLoader::invalidHeaderKeepsEarlierSongs()
{
    TITDBTrack a;
    a.Str(1, u"Before"_s);
    TITDBTrack bad;
    bad.Str(1, u"Bad"_s);
    TITunesDBWriter w;
    w.FTracks = {a, bad};
    QByteArray bytes = w.ToBytes();
    const qsizetype badStart = bytes.indexOf("mhit", bytes.indexOf("mhit") + 4);
    for (quint32 length : {0xFFFFu, 0x10000u, 0xFFFFFFFFu}) {
        qToLittleEndian<quint32>(length, bytes.data() + badStart + 4);
        TITunesDBLoader loader;
        try {
            loader.LoadFromStream(bytes);
            QFAIL("no exception");
        } catch (const TITBException &e) {
            QCOMPARE(e.Message(), u"ヘッダーが不正です"_s);
        }
        QCOMPARE(loader.FSongs.Count(), 1);
        QCOMPARE(loader.FSongs.Items(0).Title(), u"Before"_s);
    }
}

void TstITunesDBLoader::appendsAndClears()
{
    TITDBTrack t;
    t.Str(1, u"x"_s);
    const QByteArray bytes = OneTrack(t);
    TITunesDBLoader loader;
    loader.LoadFromStream(bytes);
    loader.LoadFromStream(bytes);
    QCOMPARE(loader.FSongs.Count(), 2);
    QCOMPARE(loader.FPlayLists.Count(), 2);
    loader.Clear();
    QCOMPARE(loader.FSongs.Count(), 0);
    QCOMPARE(loader.FPlayLists.Count(), 0);
}

void TstITunesDBLoader::loadFromFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"iPod_Control/iTunes/iTunesDB"_s);
    TITunesDBWriter w;
    for (int i = 0; i < 30; ++i)
        w.FTracks.append(TITunesDBWriter::SampleTrack(i));
    w.AddMasterPlaylist();
    QVERIFY(w.WriteTo(path));
    TITunesDBLoader loader;
    loader.LoadFromFile(path);
    QCOMPARE(loader.FSongs.Count(), 30);
    QCOMPARE(loader.FSongs.Items(3).Artist(), u"宇多田ヒカル"_s);
    QVERIFY_THROWS_EXCEPTION(ESorvoError, loader.LoadFromFile(dir.filePath(u"missing"_s)));
    QCOMPARE(loader.FSongs.Count(), 30);
}

// The file is read a part (1 MiB) at a time and a compressed one inflated as the walk goes: records
// that cross a part's end, a skipped section and a file cut anywhere read as the bytes in memory do.
void TstITunesDBLoader::fileInPartsSameAsMemory_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("reference"); // read from memory, whole
    TITunesDBWriter w;
    for (int i = 0; i < 4000; ++i)
        w.FTracks << TITunesDBWriter::SampleTrack(i);
    w.AddMasterPlaylist();
    w.FSections = {1, 2, 4};
    w.FAlbums = {{1, {{200, u"Album strings"_s}}}};
    const QByteArray plain = w.ToBytes();
    QVERIFY(plain.size() > (qint64(3) << 20));
    const QByteArray packed = TITunesDBWriter::Compress(plain, 6);
    QTest::addRow("whole") << plain << plain;
    QTest::addRow("compressed") << packed << plain;
    for (const qint64 cut : {qint64(1) << 20, (qint64(1) << 20) + 101, qint64(plain.size()) - 7})
        QTest::addRow("cut at %lld", cut) << plain.first(cut) << plain.first(cut);
    QTest::addRow("compressed, stream cut")
        << packed.first(packed.size() / 2) << packed.first(packed.size() / 2);
}

void TstITunesDBLoader::fileInPartsSameAsMemory()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, reference);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"iTunesDB"_s);
    QVERIFY(WriteFixtureFile(path, bytes));
    TITunesDBLoader memory, file;
    bool memoryThrew = false, fileThrew = false;
    try {
        memory.LoadFromStream(reference);
    } catch (const TITBException &) {
        memoryThrew = true;
    }
    try {
        file.LoadFromFile(path);
    } catch (const TITBException &) {
        fileThrew = true;
    }
    QCOMPARE(fileThrew, memoryThrew);
    QCOMPARE(file.FEndedEarly, memory.FEndedEarly);
    QCOMPARE(file.FPlayLists.FDeclaredCount, memory.FPlayLists.FDeclaredCount);
    SameSongs(file, memory);
}

QTEST_GUILESS_MAIN(TstITunesDBLoader)
#include "tst_itunesdbloader.moc"

void TstITunesDBLoader::compressedGivesTheSameSongs_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<int>("level");
    TITunesDBWriter w;
    for (int i = 0; i < 300; ++i)
        w.FTracks << TITunesDBWriter::SampleTrack(i);
    w.AddMasterPlaylist();
    w.FSections = {1, 2, 4};
    w.FAlbums = {{1, {{200, u"Album strings"_s}}}};
    QTest::addRow("300 songs, playlists, albums") << w.ToBytes() << 6;
    QTest::addRow("stored blocks") << w.ToBytes() << 0;
    QTest::addRow("best compression") << w.ToBytes() << 9;
    w.FDatabaseHeaderLength = 0x68; // an older short header is widened to carry the flag
    QTest::addRow("short header widened") << w.ToBytes() << 6;
    QTest::addRow("no songs") << TITunesDBWriter().ToBytes() << 6;
}

void TstITunesDBLoader::compressedGivesTheSameSongs()
{
    QFETCH(QByteArray, plain);
    QFETCH(int, level);
    const QByteArray packed = TITunesDBWriter::Compress(plain, level);
    QVERIFY(!packed.isEmpty());
    QCOMPARE(qFromLittleEndian<quint16>(packed.constData() + 0xA8), 1);
    const TITunesDBLoader a = Load(plain);
    const TITunesDBLoader b = Load(packed);
    SameSongs(b, a);
    if (QTest::currentTestFailed())
        return;

    // The writer's option gives the same file, and the loader reads it from disk.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"iTunesCDB"_s);
    QVERIFY(WriteFixtureFile(path, packed));
    TITunesDBLoader fromFile;
    fromFile.LoadFromFile(path);
    QCOMPARE(fromFile.FSongs.Count(), a.FSongs.Count());
}

void TstITunesDBLoader::damagedCompressed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    TITunesDBWriter w;
    for (int i = 0; i < 50; ++i)
        w.FTracks << TITunesDBWriter::SampleTrack(i);
    w.FCompressed = true;
    const QByteArray good = w.ToBytes();
    QTest::addRow("stream cut in half") << good.left(0xBC + (good.size() - 0xBC) / 2);
    QTest::addRow("header only") << good.left(0xBC);
    QTest::addRow("header cut before its end") << good.left(0xB0);
    QByteArray flipped = good;
    for (qsizetype i = 0xBC + 2; i < flipped.size(); i += 7)
        flipped[i] = char(~flipped[i]);
    QTest::addRow("bytes flipped") << flipped;
    QTest::addRow("not zlib at all") << good.left(0xBC) + QByteArray(4000, 'x');
    QByteArray checksum = good;
    checksum[checksum.size() - 1] = char(checksum.back() ^ 0x55);
    QTest::addRow("checksum wrong") << checksum;
}

void TstITunesDBLoader::damagedCompressed()
{
    QFETCH(QByteArray, bytes);
    TITunesDBLoader loader;
    try {
        loader.LoadFromStream(bytes);
        QFAIL("a damaged compressed database was read");
    } catch (const TITBException &e) {
        QCOMPARE(e.Message(), u"ヘッダーが不正です"_s);
    }
    QCOMPARE(loader.FSongs.Count(), 0);
}

void TstITunesDBLoader::compressedSizeBound_data()
{
    QTest::addColumn<int>("kib");
    QTest::addColumn<bool>("refused");
    QTest::addRow("just inside") << 1023 << false;
    QTest::addRow("at the bound") << 1024 << false;
    QTest::addRow("one block past") << 1025 << true;
    QTest::addRow("far past") << 8192 << true;
}

void TstITunesDBLoader::compressedSizeBound()
{
    // Zeros after an empty track list: they inflate from almost nothing and walk as nothing.
    QFETCH(int, kib);
    QFETCH(bool, refused);
    const QByteArray plain = TITunesDBWriter().ToBytes();
    const QByteArray header = plain.first(qFromLittleEndian<quint32>(plain.constData() + 4));
    const qint64 total = qint64(kib) << 10;
    const QByteArray body =
        plain.sliced(header.size()) + QByteArray(total - (plain.size() - header.size()), '\0');
    const QByteArray packed = TITunesDBWriter::Compress(header + body, 9);
    QVERIFY(packed.size() < total / 100);
    TITunesDBLoader loader;
    loader.FMaxInflatedBytes = 1 << 20;
    if (refused) {
        QVERIFY_THROWS_EXCEPTION(TITBException, loader.LoadFromStream(packed));
    } else {
        loader.LoadFromStream(packed);
        QCOMPARE(loader.FSongs.Count(), 0);
    }
}
