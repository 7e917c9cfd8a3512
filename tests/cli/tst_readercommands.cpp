#include "artworkdbwriter.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

/// The reading commands of sorvo-cli, run as a separate program on a written player folder.
class TstReaderCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void songsJson();
    void songsCountAndTable();
    void pictureDatabases_data();
    void pictureDatabases();
    void thumbnail_data();
    void thumbnail();
    void thumbnailOverExistingFile_data();
    void thumbnailOverExistingFile();
    void errors_data();
    void errors();

private:
    struct TResult
    {
        int exitCode = -1;
        QByteArray out;
        QString err;
    };
    TResult Run(const QStringList &arguments) const;

    QTemporaryDir FDir;
    QString FRoot;
    QImage FSource;
};

TstReaderCommands::TResult TstReaderCommands::Run(const QStringList &arguments) const
{
    QProcess process;
    process.start(QStringLiteral(SORVO_CLI_PATH), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

void TstReaderCommands::initTestCase()
{
    QVERIFY(FDir.isValid());
    FRoot = FDir.filePath(u"player"_s);

    TITunesDBWriter songs;
    TITDBTrack t;
    t.trackId = 42;
    t.rating = 60;
    t.dateAdded = 3'000'000'000u;
    t.dateModified = 86400 + 59; // 1904-01-02 00:00:59
    t.lastPlayed = 0;
    t.size = 0xF0000000u;
    t.length = 61000;
    t.sampleRate = 22050;
    t.bitRate = 96;
    t.year = 1999;
    t.trackNumber = 2;
    t.trackCount = 9;
    t.discNumber = 1;
    t.discCount = 2;
    t.playCount = 5;
    t.volume = -10;
    t.dbid = 0xFFFFFFFFFFFFFFF0ull;
    t.Str(1, u"タイトル"_s)
        .Str(2, u":iPod_Control:Music:F01:AB.mp3"_s)
        .Str(3, u"Album"_s)
        .Str(4, u"Artist"_s)
        .Str(5, u"Genre"_s)
        .Str(6, u"Kind"_s)
        .Str(7, u"Eq"_s)
        .Str(8, u"Comment"_s)
        .Str(12, u"Composer"_s)
        .Str(13, u"Grouping"_s);
    TITDBTrack video;
    video.trackId = 43;
    video.mediaType = 2;
    video.Str(1, u"Clip"_s);
    songs.FTracks = {t, video};
    songs.AddMasterPlaylist();
    QVERIFY(songs.WriteTo(FRoot + u"/iPod_Control/iTunes/iTunesDB"_s));

    FSource = PatternImage(56, 56);
    TIthmbWriter ithmb;
    TArtDBThumb thumb;
    thumb.fileName = u":F1031_1.ithmb"_s;
    thumb.offset = ithmb.Append(EncodeRgb565(FSource, 56, false));
    thumb.size = 56 * 56 * 2;
    thumb.width = 56;
    thumb.height = 56;
    QVERIFY(ithmb.WriteTo(FRoot + u"/iPod_Control/Artwork/F1031_1.ithmb"_s));
    TArtworkDBWriter artwork;
    artwork.FPictures = {{101, 0xFFFFFFFFFFFFFFF0ull, std::nullopt, {thumb}}};
    QVERIFY(artwork.WriteTo(FRoot + u"/iPod_Control/Artwork/ArtworkDB"_s));

    TArtDBThumb photoThumb = thumb;
    photoThumb.fileName = u":Thumbs:F1009_1.ithmb"_s;
    QVERIFY(ithmb.WriteTo(FRoot + u"/Photos/Thumbs/F1009_1.ithmb"_s));
    TArtworkDBWriter photos;
    photos.FPictures = {{7, 0, u":Full Resolution:a.jpg"_s, {photoThumb}}, {8, 0}};
    photos.FAlbums = {{u"ライブラリ"_s, 1, {7, 8}}, {u"休日"_s, 2, {8}}};
    QVERIFY(photos.WriteTo(FRoot + u"/Photos/Photo Database"_s));
}

void TstReaderCommands::songsJson()
{
    const TResult r = Run({u"songs"_s, u"--drive"_s, FRoot, u"--json"_s});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray songs = QJsonDocument::fromJson(r.out).array();
    QCOMPARE(songs.size(), 2);
    const QJsonObject s = songs[0].toObject();
    const QStringList keys = {u"index"_s,        u"title"_s,          u"artist"_s,        u"album"_s,
                              u"genre"_s,        u"comment"_s,        u"composer"_s,      u"grouping"_s,
                              u"kind"_s,         u"equalizer"_s,      u"location"_s,      u"size"_s,
                              u"length_ms"_s,    u"track_id"_s,       u"play_count"_s,    u"sample_rate"_s,
                              u"bit_rate"_s,     u"rating"_s,         u"volume"_s,        u"year"_s,
                              u"track_number"_s, u"track_count"_s,    u"disc_number"_s,   u"disc_count"_s,
                              u"date_added"_s,   u"date_modified"_s,  u"last_played"_s,   u"dbid"_s,
                              u"is_video"_s,     u"recorded_plays"_s, u"recorded_skips"_s};
    QStringList sortedKeys = keys;
    sortedKeys.sort();
    QCOMPARE(s.keys(), sortedKeys);
    QCOMPARE(s[u"index"_s].toInt(), 0);
    QCOMPARE(s[u"title"_s].toString(), u"タイトル"_s);
    QCOMPARE(s[u"location"_s].toString(), u":iPod_Control:Music:F01:AB.mp3"_s);
    QCOMPARE(s[u"equalizer"_s].toString(), u"Eq"_s);
    QCOMPARE(s[u"grouping"_s].toString(), u"Grouping"_s);
    QCOMPARE(s[u"size"_s].toInteger(), qint64(0xF0000000u));
    QCOMPARE(s[u"length_ms"_s].toInt(), 61000);
    QCOMPARE(s[u"track_id"_s].toInt(), 42);
    QCOMPARE(s[u"sample_rate"_s].toInt(), 22050);
    QCOMPARE(s[u"rating"_s].toInt(), 60);
    QCOMPARE(s[u"volume"_s].toInt(), -10);
    QCOMPARE(s[u"date_added"_s].toString(), u"1999-01-24T05:20:00"_s);
    QCOMPARE(s[u"date_modified"_s].toString(), u"1904-01-02T00:00:59"_s);
    QCOMPARE(s[u"last_played"_s].toString(), u"1904-01-01T00:00:00"_s);
    QCOMPARE(s[u"dbid"_s].toString(), u"18446744073709551600"_s);
    QCOMPARE(s[u"is_video"_s].toBool(), false);
    QCOMPARE(s[u"recorded_plays"_s].toInt(), 0); // the player has no Play Counts file
    QCOMPARE(songs[1].toObject()[u"is_video"_s].toBool(), true);
    QCOMPARE(songs[1].toObject()[u"index"_s].toInt(), 1);
}

void TstReaderCommands::songsCountAndTable()
{
    const TResult count = Run({u"songs"_s, u"--drive"_s, FRoot, u"--count"_s});
    QCOMPARE(count.exitCode, 0);
    QCOMPARE(count.out, QByteArray("2\n"));
    const TResult table = Run({u"songs"_s, u"--drive"_s, FRoot});
    QCOMPARE(table.exitCode, 0);
    QVERIFY(QString::fromUtf8(table.out).contains(u"タイトル"_s));
    QCOMPARE(QString::fromUtf8(table.out).count(u'\n'), 3);
}

void TstReaderCommands::pictureDatabases_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("expected");
    QTest::addRow("artwork") << u"artwork"_s
                             << QByteArray(R"({"albums":[],"items":[{"full_file":"","image_id":101,)"
                                           R"("song_id":"18446744073709551600","thumbnails":[{"crop":false,)"
                                           R"("data_height":56,"data_width":56,"file":"/F1031_1.ithmb",)"
                                           R"("height":56,"offset":0,"size":6272,"width":56}]}]})");
    QTest::addRow("photos") << u"photos"_s
                            << QByteArray(R"({"albums":[{"image_ids":[7,8],"kind":1,"name":"ライブラリ"},)"
                                          R"({"image_ids":[8],"kind":2,"name":"休日"}],)"
                                          R"("items":[{"full_file":"/Full Resolution/a.jpg","image_id":7,)"
                                          R"("song_id":"0","thumbnails":[{"crop":false,"data_height":56,)"
                                          R"("data_width":56,"file":"/Thumbs/F1009_1.ithmb","height":56,)"
                                          R"("offset":0,"size":6272,"width":56}]},)"
                                          R"({"full_file":"","image_id":8,"song_id":"0","thumbnails":[]}]})");
}

void TstReaderCommands::pictureDatabases()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, expected);
    const TResult r = Run({command, u"--drive"_s, FRoot, u"--json"_s});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(r.out).toJson(QJsonDocument::Compact), expected);
    const TResult table = Run({command, u"--drive"_s, FRoot});
    QCOMPARE(table.exitCode, 0);
    QVERIFY(!table.out.isEmpty());
}

void TstReaderCommands::thumbnail_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addRow("artwork by song id") << QStringList{u"--song-id"_s, u"18446744073709551600"_s};
    QTest::addRow("photo by image id")
        << QStringList{u"--image-id"_s, u"7"_s, u"--photo"_s, u"--width"_s, u"-1"_s};
}

void TstReaderCommands::thumbnail()
{
    QFETCH(QStringList, arguments);
    const QString out = FDir.filePath(u"out.png"_s);
    QFile::remove(out);
    const TResult r = Run(QStringList{u"thumbnail"_s, u"--drive"_s, FRoot, u"--out"_s, out} + arguments);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    const QImage picture(out);
    QCOMPARE(picture.size(), QSize(56, 56));
    QCOMPARE(picture.pixel(55, 30) & 0xFFFFFF, Rgb565Rounded(FSource.pixel(55, 30)) & 0xFFFFFF);
}

void TstReaderCommands::thumbnailOverExistingFile_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("exitCode");
    QTest::addRow("without --yes and no terminal: refused, kept") << false << 1;
    QTest::addRow("with --yes: replaced") << true << 0;
}

void TstReaderCommands::thumbnailOverExistingFile()
{
    QFETCH(bool, yes);
    QFETCH(int, exitCode);
    const QString out = FDir.filePath(u"existing.png"_s);
    QVERIFY(WriteFixtureFile(out, "the user's picture"));
    QStringList arguments{u"--lang"_s,  u"ja"_s,        u"thumbnail"_s,
                          u"--drive"_s, FRoot,          u"--out"_s,
                          out,          u"--song-id"_s, u"18446744073709551600"_s};
    if (yes)
        arguments.prepend(u"--yes"_s);
    const TResult r = Run(arguments); // standard input is not a terminal
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.contains(u"ファイル \"%1\" は既にあります。上書きしますか？"_s.arg(out)),
             qPrintable(r.err));
    if (yes) {
        QCOMPARE(QImage(out).size(), QSize(56, 56));
    } else {
        QVERIFY2(r.err.contains(u"ファイル \"%1\" は既にあるため保存しませんでした"_s.arg(out)),
                 qPrintable(r.err));
        QCOMPARE(ReadFixtureFile(out), QByteArray("the user's picture"));
    }
    QFile::remove(out);
}

void TstReaderCommands::errors_data()
{
    QTest::addColumn<QString>("databaseFile");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::addRow("short picture database") << u"Photos/Photo Database"_s << QByteArray(50, 'x')
                                            << QStringList{u"photos"_s} << u"ファイルが不正です"_s;
    QTest::addRow("not a picture database")
        << u"iPod_Control/Artwork/ArtworkDB"_s << QByteArray(200, 'x') << QStringList{u"artwork"_s}
        << u"ArtwokDBではないファイルが読み込まれました"_s;
    QByteArray badHeader = TITunesDBWriter().ToBytes();
    qToLittleEndian<quint32>(0xFFFF, badHeader.data() + 4);
    QTest::addRow("invalid song database header") << u"iPod_Control/iTunes/iTunesDB"_s << badHeader
                                                  << QStringList{u"songs"_s} << u"ヘッダーが不正です"_s;
    QTest::addRow("no player") << QString() << QByteArray() << QStringList{u"songs"_s}
                               << u"iPodが見つかりません"_s;
    QTest::addRow("no photo database")
        << u"iPod_Control/iTunes/iTunesDB"_s << TITunesDBWriter().ToBytes() << QStringList{u"photos"_s}
        << u"iPod内にフォトデータが見つかりません"_s;
}

void TstReaderCommands::errors()
{
    QFETCH(QString, databaseFile);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    // Any row with a file stands for a player: it has a song database.
    if (!databaseFile.isEmpty())
        QVERIFY(TITunesDBWriter().WriteTo(dir.filePath(u"iPod_Control/iTunes/iTunesDB"_s)));
    if (!databaseFile.isEmpty())
        QVERIFY(WriteFixtureFile(dir.filePath(databaseFile), content));
    arguments << u"--drive"_s << dir.path();
    const TResult r = Run(arguments << u"--json"_s);
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err.trimmed(), message);
    QVERIFY(r.out.isEmpty());
}

QTEST_GUILESS_MAIN(TstReaderCommands)
#include "tst_readercommands.moc"
