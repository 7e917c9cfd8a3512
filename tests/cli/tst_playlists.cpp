#include "clirun.h"
#include "fixturefiles.h"
#include "playcountswriter.h"
#include "songplayer.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

/// sorvo-cli playlists, extract --playlist / --all-playlists and plays, run on a written player.
class TstPlaylists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listing();
    void songsOfOne_data();
    void songsOfOne();
    void extractOne();
    void extractAll();
    void sameNames_data();
    void sameNames();
    void extractSameNames();
    void playHistory();
    void scrobbleLog();
    void scrobbleLogNeverOnThePlayer();
    void scrobbleLogKeepsExistingFile_data();
    void scrobbleLogKeepsExistingFile();

private:
    QTemporaryDir FDir;
    QString FRoot;
    QString FSameNames; // a player with two playlists of one name and one named decomposed
};

namespace {

TCliRun RunCli(const QStringList &args)
{
    return RunCliProgram(QStringLiteral(SORVO_CLI_PATH), args, u"Asia/Tokyo"_s);
}

constexpr qint64 kMacToUnix = 2082844800; // seconds from 1904-01-01 to 1970-01-01
constexpr qint64 kTokyo = 9 * 3600;       // the commands run in Asia/Tokyo, the player keeps local time

/// A playlist file read as another player reads it: the lines that are not comments, each a path
/// relative to the file; returns the resolved paths and the #EXTINF texts.
QStringList ReadM3u8(const QString &path, QStringList *infos = nullptr)
{
    const QByteArray bytes = ReadFixtureFile(path);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return {u"byte-order mark"_s};
    QStringList files;
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    if (lines.value(0) != u"#EXTM3U"_s)
        return {u"no #EXTM3U"_s};
    for (const QString &line : lines.mid(1)) {
        if (line.startsWith(u"#EXTINF:"_s)) {
            if (infos)
                infos->append(line.mid(8));
        } else if (!line.startsWith(u'#')) {
            files.append(QDir::cleanPath(QFileInfo(path).dir().filePath(line)));
        }
    }
    return files;
}

QStringList FilesBelow(const QString &folder, const QString &filter)
{
    QStringList files;
    QDirIterator it(folder, {filter}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

} // namespace

void TstPlaylists::initTestCase()
{
    QVERIFY(FDir.isValid());
    FRoot = FDir.filePath(u"player/"_s);
    QList<TFixtureSong> songs;
    const QStringList titles{u"Alpha"_s, u"Beta"_s, u"Gamma"_s, u"Delta"_s};
    for (int i = 0; i < titles.size(); ++i) {
        TFixtureSong s;
        s.title = titles[i];
        s.artist = u"Band"_s;
        s.album = u"Record"_s;
        s.trackNumber = i + 1;
        s.lengthMs = 60000 * (i + 1) + 400;
        s.data = "ID3" + titles[i].toUtf8();
        s.writeFile = i != 3; // Delta's file is missing: it cannot be copied
        songs.append(s);
    }
    QVERIFY(WriteSongPlayer(FRoot, songs,
                            {{u"Road/Trip"_s, {2, 0, 3, 0}},
                             {u"ラジオ"_s, {1}, true, false},
                             {u"Recent"_s, {1, 2}, false, true}}));
    // Plays since the last sync: Alpha twice, Gamma once; Beta rated.
    TPlayCountEntry alpha, beta, gamma;
    alpha.FPlays = 2;
    alpha.FLastPlayed = 3'800'000'000u;
    beta.FRating = 80;
    gamma.FPlays = 1;
    gamma.FLastPlayed = 3'800'000'500u;
    QVERIFY(WriteFixtureFile(FRoot + u"iPod_Control/iTunes/Play Counts"_s,
                             PlayCountsFile({alpha, beta, gamma, TPlayCountEntry()})));

    FSameNames = FDir.filePath(u"same/"_s);
    QList<TFixtureSong> same;
    for (const QString &title : {u"#1 Hit"_s, u" Lead"_s, u"Three"_s}) {
        TFixtureSong s;
        s.title = title;
        s.artist = u"Band"_s;
        s.data = title.toUtf8();
        same.append(s);
    }
    QVERIFY(WriteSongPlayer(FSameNames, same, {{u"Mix"_s, {0, 1}}, {u"Mix"_s, {2}}, {u"Cafe\u0301"_s, {2}}}));
}

void TstPlaylists::listing()
{
    const TCliRun r = RunCli({u"playlists"_s, u"--drive"_s, FRoot, u"--json"_s});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QJsonArray lists = QJsonDocument::fromJson(r.out).array();
    QCOMPARE(lists.size(), 4);
    const QStringList keys{u"id"_s,   u"index"_s,        u"kind"_s,      u"length_ms"_s,
                           u"name"_s, u"parent_index"_s, u"song_count"_s};
    QCOMPARE(lists[0].toObject().keys(), keys);
    const QStringList names{u"iPod"_s, u"Road/Trip"_s, u"ラジオ"_s, u"Recent"_s};
    const QStringList kinds{u"master"_s, u"playlist"_s, u"podcast"_s, u"smart"_s};
    const QList<int> counts{4, 4, 1, 2};
    const QList<qint64> lengths{600'000 + 1600, 60400 + 60400 + 240400 + 180400, 120400, 120400 + 180400};
    for (int i = 0; i < 4; ++i) {
        const QJsonObject o = lists[i].toObject();
        QCOMPARE(o[u"name"_s].toString(), names[i]);
        QCOMPARE(o[u"kind"_s].toString(), kinds[i]);
        QCOMPARE(o[u"song_count"_s].toInt(), counts[i]);
        QCOMPARE(o[u"length_ms"_s].toInteger(), lengths[i]);
        QCOMPARE(o[u"parent_index"_s].toInt(), -1);
    }
}

void TstPlaylists::songsOfOne_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("indexes");
    QTest::addRow("in playlist order, a song twice") << u"Road/Trip"_s << QList<int>{2, 0, 3, 0};
    QTest::addRow("name ignoring case") << u"recent"_s << QList<int>{1, 2};
    QTest::addRow("the master playlist by its name") << u"iPod"_s << QList<int>{0, 1, 2, 3};
}

void TstPlaylists::songsOfOne()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, indexes);
    const TCliRun r = RunCli({u"playlists"_s, name, u"--drive"_s, FRoot, u"--json"_s});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QJsonArray songs = QJsonDocument::fromJson(r.out).array();
    QCOMPARE(songs.size(), indexes.size());
    for (int i = 0; i < songs.size(); ++i) {
        QCOMPARE(songs[i].toObject()[u"position"_s].toInt(), i + 1);
        QCOMPARE(songs[i].toObject()[u"index"_s].toInt(), indexes[i]);
    }
    const TCliRun missing = RunCli({u"playlists"_s, u"Nothing"_s, u"--drive"_s, FRoot});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.err.contains(u"Nothing"_s));
}

void TstPlaylists::extractOne()
{
    QTemporaryDir out;
    // A song file of the same name is there already: the copy gets "(2)" and the playlist names it.
    QVERIFY(WriteFixtureFile(out.filePath(u"Band-Gamma.mp3"_s), "other"));
    QVERIFY(WriteFixtureFile(out.filePath(u"Road Trip.m3u8"_s), "other"));
    const TCliRun r = RunCli({u"--drive"_s, FRoot, u"extract"_s, u"--to"_s, out.path(), u"--playlist"_s,
                              u"Road/Trip"_s, u"--album-folders"_s});
    // Delta's file is missing: the copy fails, the playlist file is written without it.
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(u"Delta"_s), qPrintable(r.err));
    const QString list = out.filePath(u"Road Trip(2).m3u8"_s); // "/" cleaned, the taken name kept
    QVERIFY2(QFileInfo::exists(list), qPrintable(r.err));
    QCOMPARE(ReadFixtureFile(out.filePath(u"Road Trip.m3u8"_s)), QByteArray("other"));
    QStringList infos;
    const QStringList files = ReadM3u8(list, &infos);
    const QString gamma = out.filePath(u"Record/Band-Gamma.mp3"_s);
    const QString alpha = out.filePath(u"Record/Band-Alpha.mp3"_s);
    QCOMPARE(files, (QStringList{gamma, alpha, alpha}));
    QCOMPARE(infos, (QStringList{u"180,Band - Gamma"_s, u"60,Band - Alpha"_s, u"60,Band - Alpha"_s}));
    QCOMPARE(ReadFixtureFile(gamma), QByteArray("ID3Gamma"));
    QCOMPARE(ReadFixtureFile(alpha), QByteArray("ID3Alpha"));
    // Relative paths with "/" and no byte-order mark.
    const QByteArray text = ReadFixtureFile(list);
    QVERIFY(text.startsWith("#EXTM3U\n"));
    QVERIFY(text.contains("\nRecord/Band-Gamma.mp3\n"));
}

void TstPlaylists::extractAll()
{
    QTemporaryDir out;
    const TCliRun r = RunCli({u"--drive"_s, FRoot, u"extract"_s, u"--to"_s, out.path(), u"--all-playlists"_s,
                              u"--naming"_s, u"title"_s});
    QCOMPARE(r.exitCode, 1); // Delta is missing
    // Every song once, though Beta and Gamma are in two playlists; the master playlist gets no file.
    QCOMPARE(FilesBelow(out.path(), u"*.mp3"_s),
             (QStringList{out.filePath(u"Alpha.mp3"_s), out.filePath(u"Beta.mp3"_s),
                          out.filePath(u"Gamma.mp3"_s)}));
    QCOMPARE(FilesBelow(out.path(), u"*.m3u8"_s),
             (QStringList{out.filePath(u"Recent.m3u8"_s), out.filePath(u"Road Trip.m3u8"_s),
                          out.filePath(u"ラジオ.m3u8"_s)}));
    QCOMPARE(ReadM3u8(out.filePath(u"Recent.m3u8"_s)),
             (QStringList{out.filePath(u"Beta.mp3"_s), out.filePath(u"Gamma.mp3"_s)}));
    QCOMPARE(ReadM3u8(out.filePath(u"ラジオ.m3u8"_s)), QStringList{out.filePath(u"Beta.mp3"_s)});
}

void TstPlaylists::sameNames_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QList<int>>("indexes"); // the songs listed
    QTest::addColumn<QStringList>("said");   // on standard error
    QTest::addRow("a name of two: their positions")
        << QStringList{u"Mix"_s} << 1 << QList<int>{} << QStringList{u"\"Mix\""_s, u"1, 2"_s, u"--index"_s};
    QTest::addRow("the position playlists shows")
        << QStringList{u"--index"_s, u"2"_s} << 0 << QList<int>{2} << QStringList{};
    QTest::addRow("a name composed, the playlist's decomposed")
        << QStringList{u"Caf\u00e9"_s} << 0 << QList<int>{2} << QStringList{};
    QTest::addRow("no such position")
        << QStringList{u"--index"_s, u"4"_s} << 2 << QList<int>{} << QStringList{u"4"_s};
    QTest::addRow("a name and a position")
        << QStringList{u"Mix"_s, u"--index"_s, u"1"_s} << 2 << QList<int>{} << QStringList{};
}

void TstPlaylists::sameNames()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QList<int>, indexes);
    QFETCH(QStringList, said);
    const TCliRun r = RunCli(QStringList{u"playlists"_s, u"--drive"_s, FSameNames, u"--json"_s} + args);
    QVERIFY2(r.exitCode == exitCode, qPrintable(r.err));
    for (const QString &words : said)
        QVERIFY2(r.err.contains(words), qPrintable(r.err));
    if (exitCode != 0)
        return;
    QList<int> listed;
    for (const QJsonValue &song : QJsonDocument::fromJson(r.out).array())
        listed.append(song.toObject()[u"index"_s].toInt());
    QCOMPARE(listed, indexes);
}

void TstPlaylists::extractSameNames()
{
    QTemporaryDir out;
    const QStringList common{u"--drive"_s, FSameNames,    u"extract"_s, u"--to"_s,
                             out.path(),   u"--naming"_s, u"title"_s};
    const TCliRun ambiguous = RunCli(common + QStringList{u"--playlist"_s, u"Mix"_s});
    QCOMPARE(ambiguous.exitCode, 1);
    QVERIFY2(ambiguous.err.contains(u"--playlist-index"_s), qPrintable(ambiguous.err));
    QVERIFY(FilesBelow(out.path(), u"*"_s).isEmpty());

    const TCliRun r =
        RunCli(common + QStringList{u"--playlist-index"_s, u"1"_s, u"--playlist"_s, u"Caf\u00e9"_s});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    // A song named "#1 Hit" is a path to every reader, not a comment; " Lead" keeps its blank.
    const QByteArray text = ReadFixtureFile(out.filePath(u"Mix.m3u8"_s));
    QVERIFY2(text.contains("\n./#1 Hit.mp3\n") && text.contains("\n./ Lead.mp3\n"), text.constData());
    QCOMPARE(ReadM3u8(out.filePath(u"Mix.m3u8"_s)),
             (QStringList{out.filePath(u"#1 Hit.mp3"_s), out.filePath(u" Lead.mp3"_s)}));
    // The decomposed playlist name makes a composed file name.
    QCOMPARE(ReadM3u8(out.filePath(u"Caf\u00e9.m3u8"_s)), QStringList{out.filePath(u"Three.mp3"_s)});
}

void TstPlaylists::playHistory()
{
    const TCliRun r = RunCli({u"songs"_s, u"--drive"_s, FRoot, u"--json"_s});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QJsonArray songs = QJsonDocument::fromJson(r.out).array();
    QCOMPARE(songs.size(), 4);
    const QJsonObject alpha = songs[0].toObject();
    QCOMPARE(alpha[u"play_count"_s].toInt(), 2);
    QCOMPARE(alpha[u"recorded_plays"_s].toInt(), 2);
    // The player's wall-clock time, as the song database's dates are listed.
    QCOMPARE(alpha[u"last_played"_s].toString(), u"2024-05-31T11:33:20"_s);
    QCOMPARE(songs[1].toObject()[u"rating"_s].toInt(), 80);
}

void TstPlaylists::scrobbleLog()
{
    QTemporaryDir out;
    const QString file = out.filePath(u".scrobbler.log"_s);
    const TCliRun r = RunCli({u"plays"_s, u"--drive"_s, FRoot, u"--scrobble-log"_s, file});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QStringList lines = QString::fromUtf8(ReadFixtureFile(file)).split(u'\n');
    QCOMPARE(lines.mid(0, 2), (QStringList{u"#AUDIOSCROBBLER/1.1"_s, u"#TZ/UTC"_s}));
    QVERIFY(lines[2].startsWith(u"#CLIENT/Sorvo "_s));
    const qint64 alphaLast = 3'800'000'000 - kMacToUnix - kTokyo;
    const qint64 gammaLast = 3'800'000'500 - kMacToUnix - kTokyo;
    // Alpha's earlier play lies its length (60 s) before the last; oldest first.
    QCOMPARE(lines.mid(3),
             (QStringList{u"Band\tRecord\tAlpha\t1\t60\tL\t%1\t"_s.arg(alphaLast - 60),
                          u"Band\tRecord\tAlpha\t1\t60\tL\t%1\t"_s.arg(alphaLast),
                          u"Band\tRecord\tGamma\t3\t180\tL\t%1\t"_s.arg(gammaLast), QString()}));
}

void TstPlaylists::scrobbleLogNeverOnThePlayer()
{
    const QString file = FRoot + u"iPod_Control/.scrobbler.log"_s;
    const TCliRun r = RunCli({u"plays"_s, u"--drive"_s, FRoot, u"--scrobble-log"_s, file});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(!QFileInfo::exists(file));
}

void TstPlaylists::scrobbleLogKeepsExistingFile_data()
{
    QTest::addColumn<QByteArray>("existing"); // null: the log of a first run
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("added"); // what follows the existing bytes afterwards
    QTest::addColumn<QString>("message");
    const qint64 alphaLast = 3'800'000'000 - kMacToUnix - kTokyo;
    const qint64 gammaLast = 3'800'000'500 - kMacToUnix - kTokyo;
    const auto lines = [&](qint64 shift) {
        return u"Band\tRecord\tAlpha\t1\t60\tL\t%1\t\nBand\tRecord\tAlpha\t1\t60\tL\t%2\t\n"
               u"Band\tRecord\tGamma\t3\t180\tL\t%3\t\n"_s.arg(alphaLast - 60 + shift)
                   .arg(alphaLast + shift)
                   .arg(gammaLast + shift)
                   .toUtf8();
    };
    const QByteArray other = "#AUDIOSCROBBLER/1.1\n#TZ/UTC\n#CLIENT/Other 1\nX\tY\tZ\t\t10\tL\t100\t\n";
    QTest::addRow("another program's log: the plays added, one header")
        << other << 0 << lines(0) << u"3 件の再生を %1 に追記しました"_s;
    QTest::addRow("no line end after the last line")
        << other.chopped(1) << 0 << "\n" + lines(0) << u"3 件の再生を %1 に追記しました"_s;
    QTest::addRow("the same plays again: none added twice")
        << QByteArray() << 0 << QByteArray()
        << u"0 件の再生を %1 に追記しました (ログにすでにある 3 件は加えていません)"_s;
    // A log without a zone counts the computer's wall-clock time.
    QTest::addRow("a log in local time") << QByteArray("#AUDIOSCROBBLER/1.1\n#TZ/UNKNOWN\n#CLIENT/Other 1\n")
                                         << 0 << lines(kTokyo) << u"3 件の再生を %1 に追記しました"_s;
    QTest::addRow("not a scrobble log: refused, kept")
        << QByteArray("my unsent plays\n") << 1 << QByteArray()
        << u"%1 はスクロブルログではないため、書き込みませんでした。別のファイルを指定してください"_s;
}

void TstPlaylists::scrobbleLogKeepsExistingFile()
{
    QFETCH(QByteArray, existing);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, added);
    QFETCH(QString, message);
    QTemporaryDir out;
    const QString file = out.filePath(u".scrobbler.log"_s);
    const QStringList args{u"--lang"_s, u"ja"_s, u"plays"_s, u"--drive"_s, FRoot, u"--scrobble-log"_s, file};
    if (existing.isNull()) {
        const TCliRun first = RunCli(args);
        QVERIFY2(first.exitCode == 0, qPrintable(first.err));
        existing = ReadFixtureFile(file);
        QVERIFY(existing.startsWith("#AUDIOSCROBBLER/1.1\n"));
    } else {
        QVERIFY(WriteFixtureFile(file, existing));
    }
    const TCliRun r = RunCli(args);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.contains(message.arg(QDir::toNativeSeparators(file))), qPrintable(r.err));
    QCOMPARE(ReadFixtureFile(file), existing + added);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u".scrobbler.log"_s});
}

QTEST_GUILESS_MAIN(TstPlaylists)
#include "tst_playlists.moc"
