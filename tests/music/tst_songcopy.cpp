#include "common/namelength.h"
#include "music/copydestination.h"
#include "music/songcopy.h"
#include "platform/filecopy.h"

#include "app/userdialogs.h"
#include "common/japanese.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "fakedrivetable.h"
#include "music/copydestination.h"
#include "music/itunesdbloader.h"
#include "music/itxmakelibrary.h"
#include "music/transferlog.h"
#include "music/videocopy.h"
#include "music/videolistmodel.h"
#include "platform/drivetable.h"
#include "platform/safefilewriter.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"

#include "fixturefiles.h"
#include "recordingservices.h"
#include "smalldisk.h"
#include "songplayer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

class TstSongCopy : public QObject
{
    Q_OBJECT

private slots:
    void relativePath_data();
    void relativePath();
    void longNamesAreShortened_data();
    void longNamesAreShortened();
    void copiesCheckedRowsInDisplayOrder();
    void failuresAreMarkedCountedAndLogged();
    void failureOfOneRunNotInTheNext();
    void takenNames_data();
    void takenNames();
    void copyIsOrdinaryAndNeverOverwrites();
    void cancelStopsAfterCurrentSong();
    void videoCopy();
    void folderCheck_data();
    void folderCheck();
    void folderQuestion_data();
    void folderQuestion();
    void listingNamesRealCopies();
    void listingKeepsEarlierFile_data();
    void listingKeepsEarlierFile();
    void stopInsideSongLeavesNoFile();
    void entryWithoutLocation();
    void destinationInsidePlayer_data();
    void destinationInsidePlayer();
    void uncreatableFolderStopsOnce();
    void fullDiskLeavesNoHalfCopy();
    void windowsRefusedNames_data();
    void windowsRefusedNames();
    void linkIntoPlayerIsRefused();
    void fileInTheWayOfAFolder();
    void destinationUnmountedMidCopy();
    void linkOutOfPlayerNamed();
    void playerRemovedMidCopy_data();
    void playerRemovedMidCopy();
};

namespace {

struct TPlayer
{
    QTemporaryDir dir;
    QString root;
    QString dest;
    TITunesDBLoader db;

    explicit TPlayer(const QList<TFixtureSong> &songs)
    {
        root = dir.filePath(u"player/"_s);
        dest = dir.filePath(u"out/"_s);
        QDir().mkpath(root);
        QDir().mkpath(dest);
        WriteSongPlayer(root, songs);
        db.LoadFromFile(root + u"iPod_Control/iTunes/iTunesDB"_s);
    }

    /// What became of an entry in a copy: its error, 0 when it was copied or not taken up.
    static int ErrorOf(const TCopyReport &report, int index)
    {
        for (const TCopyOutcome &outcome : report.FOutcomes)
            if (outcome.FIndex == index)
                return outcome.FError;
        return 0;
    }

    QList<TCopyRow> AllChecked() const
    {
        QList<TCopyRow> rows;
        for (int i = 0; i < db.FSongs.Count(); ++i)
            rows.append(TCopyRow{i, true});
        return rows;
    }

    TCopyOptions Options(int nameType = 0, bool artistFolder = false) const
    {
        TCopyOptions o;
        o.FFolder = dest;
        o.FNameType = NamingTypeFromSetting(nameType);
        o.FArtistFolder = artistFolder;
        return o;
    }
};

TFixtureSong Song(const QString &title, const QString &artist)
{
    TFixtureSong s;
    s.title = title;
    s.artist = artist;
    return s;
}

TITBSongItem Entry(const QString &title, const QString &artist, const QString &album, int track,
                   const QString &location = u":iPod_Control:Music:F03:ABCD.mp3"_s)
{
    TITBSongItem e;
    e.SetTitle(title);
    e.SetArtist(artist);
    e.SetAlbum(album);
    e.FTrackNumber = track;
    e.SetLocation(location);
    return e;
}

} // namespace

void TstSongCopy::relativePath_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("album");
    QTest::addColumn<int>("track");
    QTest::addColumn<int>("nameType");
    QTest::addColumn<bool>("addTrack");
    QTest::addColumn<bool>("artistFolder");
    QTest::addColumn<bool>("albumFolder");
    QTest::addColumn<bool>("video");
    QTest::addColumn<QString>("expected");

    QTest::addRow("no title keeps the player's name")
        << ""
        << "Art"
        << "" << 0 << 0 << false << false << false << false << "ABCD.mp3";
    QTest::addRow("no title, track prefix")
        << ""
        << "Art"
        << "" << 5 << 0 << true << false << false << false << "05 ABCD.mp3";
    QTest::addRow("no title, title naming") << "  "
                                            << "Art"
                                            << "" << 0 << 1 << false << false << false << false << "ABCD.mp3";
    QTest::addRow("slash and colon") << "A/B"
                                     << "C:D"
                                     << "" << 0 << 0 << false << false << false << false << "C D-A B.mp3";
    QTest::addRow("no artist gives the title")
        << "Song"
        << " "
        << "" << 0 << 0 << false << false << false << false << "Song.mp3";
    QTest::addRow("title naming") << "Song"
                                  << "Art"
                                  << "" << 0 << 1 << false << false << false << false << "Song.mp3";
    QTest::addRow("keep naming") << "Song"
                                 << "Art"
                                 << "" << 0 << 2 << false << false << false << false << "ABCD.mp3";
    QTest::addRow("untrimmed texts stay")
        << " Song "
        << " Art"
        << "" << 0 << 0 << false << false << false << false << " Art- Song .mp3";
    QTest::addRow("dot in the artist folder")
        << "T"
        << "Mr. X"
        << "" << 0 << 0 << false << true << false << false << "Mr  X/Mr. X-T.mp3";
    QTest::addRow("empty artist folder")
        << "T"
        << ""
        << "" << 0 << 0 << false << true << false << false << "不明なアーティスト/T.mp3";
    QTest::addRow("empty album adds no level")
        << "T"
        << "A"
        << " " << 0 << 0 << false << true << true << false << "A/A-T.mp3";
    QTest::addRow("artist and album")
        << "T"
        << " A "
        << "B.C" << 0 << 0 << false << true << true << false << "A/B C/ A -T.mp3";
    QTest::addRow("album only") << "T"
                                << "A"
                                << "Alb" << 0 << 1 << false << false << true << false << "Alb/T.mp3";
    QTest::addRow("track 0") << "T"
                             << "A"
                             << "" << 0 << 1 << true << false << false << false << "T.mp3";
    QTest::addRow("track 7") << "T"
                             << "A"
                             << "" << 7 << 1 << true << false << false << false << "07 T.mp3";
    QTest::addRow("track 100") << "T"
                               << "A"
                               << "" << 100 << 1 << true << false << false << false << "T.mp3";
    QTest::addRow("track without the option") << "T"
                                              << "A"
                                              << "" << 7 << 1 << false << false << false << false << "T.mp3";
    QTest::addRow("video: no track number") << "T"
                                            << "A"
                                            << "" << 7 << 1 << true << false << false << true << "T.mp3";
    QTest::addRow("video: artist keeps its dot and blanks")
        << "T"
        << " Mr. X"
        << "" << 0 << 1 << false << true << false << true << " Mr. X/T.mp3";
    QTest::addRow("video: empty artist, no level")
        << "T"
        << ""
        << "Alb" << 0 << 1 << false << true << true << true << "Alb/T.mp3";
    QTest::addRow("video: blank artist, no level")
        << "T"
        << "   "
        << "" << 0 << 1 << false << true << false << true << "T.mp3";
    QTest::addRow("video: parent-folder artist, no level")
        << "T"
        << ".."
        << "" << 0 << 1 << false << true << false << true << "T.mp3";
    QTest::addRow("video: current-folder artist, no level")
        << "T"
        << "."
        << "" << 0 << 1 << false << true << false << true << "T.mp3";
    // Dots alone would make a hidden file or the folder itself: they count as no text.
    QTest::addRow("title of dots alone keeps the player's name")
        << u"..."_s << u"Art"_s << QString() << 0 << 0 << false << false << false << false << u"ABCD.mp3"_s;
    QTest::addRow("title of dots alone, title naming")
        << u".."_s << u"Art"_s << QString() << 0 << 1 << false << false << false << false << u"ABCD.mp3"_s;
    QTest::addRow("artist of dots alone gives the title")
        << u"Song"_s << u" . "_s << QString() << 0 << 0 << false << false << false << false << u"Song.mp3"_s;
    QTest::addRow("video: artist of dots alone, no level")
        << u"T"_s << u"..."_s << QString() << 0 << 1 << false << true << false << true << u"T.mp3"_s;
    // Tags decomposed on a Mac make the names the same text typed elsewhere makes.
    QTest::addRow("decomposed tags, composed names")
        << u"Cafe\u0301"_s << u"Ame\u0301lie"_s << u"E\u0301te\u0301"_s << 0 << 0 << false << true << true
        << false << u"Am\u00e9lie/\u00c9t\u00e9/Am\u00e9lie-Caf\u00e9.mp3"_s;
    QTest::addRow("control characters in every tag")
        << (u"Line\nBreak"_s + QChar(0x1B) + u"[2J"_s) << (u"A"_s + QChar(1) + u"B"_s)
        << (u"Al"_s + QChar(0x7F) + u"b"_s) << 0 << 0 << false << true << true << false
        << u"A B/Al b/A B-Line Break [2J.mp3"_s;
}

void TstSongCopy::relativePath()
{
    QFETCH(QString, title);
    QFETCH(QString, artist);
    QFETCH(QString, album);
    QFETCH(int, track);
    QFETCH(int, nameType);
    QFETCH(bool, addTrack);
    QFETCH(bool, artistFolder);
    QFETCH(bool, albumFolder);
    QFETCH(bool, video);
    QFETCH(QString, expected);

    TCopyOptions o;
    o.FKind = video ? TCopyKind::Videos : TCopyKind::Songs;
    o.FNameType = NamingTypeFromSetting(nameType);
    o.FAddTrackNo = addTrack;
    o.FArtistFolder = artistFolder;
    o.FAlbumFolder = albumFolder;
    QCOMPARE(CopyRelativePath(Entry(title, artist, album, track), o), expected);
}

void TstSongCopy::longNamesAreShortened_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("expectedPrefix");
    QTest::addRow("ASCII") << QString(300, u'x') << "A"
                           << "A-xxx";
    QTest::addRow("Japanese") << QString(120, u'曲') << "歌手"
                              << "歌手-曲曲";
    QTest::addRow("surrogate pairs") << QString::fromUcs4(U"😀").repeated(70) + QString(100, u'x') << "A"
                                     << u"A-😀"_s;
}

void TstSongCopy::longNamesAreShortened()
{
    QFETCH(QString, title);
    QFETCH(QString, artist);
    QFETCH(QString, expectedPrefix);

    TCopyOptions o;
    o.FArtistFolder = true;
    o.FAlbumFolder = true;
    const QString path = CopyRelativePath(Entry(title, artist, title, 3), o);
    const QStringList parts = path.split(u'/');
    QCOMPARE(parts.size(), 3);
    QVERIFY(parts.at(1).toUtf8().size() <= 255);
    QVERIFY(parts.at(2).toUtf8().size() <= 251); // room for "(99)"
    QVERIFY(parts.at(2).endsWith(u".mp3"_s));
    QVERIFY(parts.at(2).startsWith(expectedPrefix));
    QVERIFY(parts.at(2).isValidUtf16());

    // And the copy really happens under that name.
    TPlayer player({Song(title, artist)});
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(), player.Options(),
                                         progress, services, dialogs, nullptr);
    QCOMPARE(r.FCopied, 1);
    QCOMPARE(r.FFailed, 0);
}

void TstSongCopy::copiesCheckedRowsInDisplayOrder()
{
    TPlayer player({{u"One"_s, u"A"_s, {}, 1, {}, "1"},
                    {u"Two"_s, u"B"_s, {}, 2, {}, "22"},
                    {u"Three"_s, u"C"_s, {}, 3, {}, "333"}});
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    TITXMakeLibrary listing;
    TCopyOptions o = player.Options(1);
    o.FMakeListing = true;
    const QList<TCopyRow> rows = {{2, true}, {1, false}, {0, true}};
    const TCopyReport r =
        ExtractEntries(player.db.FSongs, player.root, rows, o, progress, services, dialogs, &listing);

    QCOMPARE(r.FCopied, 2);
    QCOMPARE(r.FHandled, 2);
    QCOMPARE(FilesBelow(player.dest), (QStringList{u"One.mp3"_s, u"Three.mp3"_s, u"iPodLibrary.TXT"_s}));
    QCOMPARE(ReadFixtureFile(player.dest + u"Three.mp3"_s), QByteArray("333"));
    QCOMPARE(progress.FRuns.size(), 1);
    const auto &run = progress.FRuns.first();
    QCOMPARE(run.title, u"楽曲の転送状況"_s);
    QCOMPARE(run.maximum, 2);
    QCOMPARE(run.positions, (QList<int>{0, 1, 1}));
    QCOMPARE(run.labels, (QStringList{u"(1/2) [ Three.mp3 ]をコピー中"_s, u"(2/2) [ One.mp3 ]をコピー中"_s}));
    QCOMPARE(
        services.FStatusTexts,
        QStringList{
            u"フォルダ \"%1\" に音楽ファイルを全曲転送しました (一覧表 iPodLibrary.TXT を書きました)"_s.arg(
                QDir::toNativeSeparators(player.dest))});
    QCOMPARE(services.FTransferLogs, 0);
    QCOMPARE(dialogs.FOpened, QStringList{player.dest});
    // The listing holds the header and one line per copied song, in copy order.
    QCOMPARE(listing.FLines.size(), 3);
    QVERIFY(listing.FLines.at(1).startsWith(u"Three\tC\t"_s));
    QVERIFY(listing.FLines.at(1).endsWith(QDir::toNativeSeparators(player.dest + u"Three.mp3"_s)));
}

void TstSongCopy::failuresAreMarkedCountedAndLogged()
{
    QList<TFixtureSong> songs;
    for (int i = 0; i < 5; ++i)
        songs.append(Song(u"Song %1"_s.arg(i), u"A"_s));
    songs[1].writeFile = false;
    songs[3].location = u":iPod_Control:..:..:outside.mp3"_s;
    songs[3].writeFile = false;
    TPlayer player(songs);
    WriteFixtureFile(player.dir.filePath(u"outside.mp3"_s), "secret");

    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    TITXMakeLibrary listing;
    TCopyOptions o = player.Options(0);
    o.FMakeListing = true;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(), o, progress,
                                         services, dialogs, &listing);

    QCOMPARE(r.FCopied, 3);
    QCOMPARE(r.FFailed, 2);
    QCOMPARE(r.FHandled, 5);
    QCOMPARE(TPlayer::ErrorOf(r, 1), -2); // missing on the player: データファイルが存在しません
    QCOMPARE(TPlayer::ErrorOf(r, 3), -2); // leaves the root: never read
    QCOMPARE(TPlayer::ErrorOf(r, 0), 0);
    QCOMPARE(r.FOutcomes.first().FPath, player.dest + u"A-Song 0.mp3"_s);
    QVERIFY(progress.FRuns.first().labels.contains(u"[ A-Song 1.mp3 ]のコピーに失敗しました"_s));
    QCOMPARE(
        services.FStatusTexts,
        QStringList{
            u"フォルダ \"%1\" に音楽ファイルを 3 曲転送しました(スキップは 2 曲) (一覧表 iPodLibrary.TXT "
            u"を書きました)"_s.arg(QDir::toNativeSeparators(player.dest))});
    QCOMPARE(services.FTransferLogs, 1);
    QCOMPARE(TransferLogRows(player.db.FSongs, services.FLogReport).size(), 2);
    QCOMPARE(dialogs.FOpened, QStringList{player.dest});
    // Every song is listed, failed ones included; no partial copies are left.
    QCOMPARE(listing.FLines.size(), 6);
    QCOMPARE(FilesBelow(player.dest),
             (QStringList{u"A-Song 0.mp3"_s, u"A-Song 2.mp3"_s, u"A-Song 4.mp3"_s, u"iPodLibrary.TXT"_s}));
}

void TstSongCopy::failureOfOneRunNotInTheNext()
{
    // A song that failed once and copies the next time is in the first log only: the failure belongs
    // to the run's report, not to the song.
    QList<TFixtureSong> songs{Song(u"Late"_s, u"A"_s), Song(u"Here"_s, u"A"_s)};
    songs[0].writeFile = false;
    TPlayer player(songs);
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport first = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(),
                                             player.Options(0), progress, services, dialogs, nullptr);
    QCOMPARE(TransferLogRows(player.db.FSongs, first).size(), 1);
    QVERIFY(WriteFixtureFile(player.root + u"/"_s + ColonToPathDelim(player.db.FSongs.Items(0).Location()),
                             "arrived"));
    TCopyOptions into = player.Options(0);
    into.FFolder = player.dest + u"again/"_s;
    QVERIFY(QDir().mkpath(into.FFolder));
    const TCopyReport second = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(), into,
                                              progress, services, dialogs, nullptr);
    QCOMPARE(second.FCopied, 2);
    QVERIFY(TransferLogRows(player.db.FSongs, second).isEmpty());
    QCOMPARE(services.FTransferLogs, 1); // asked for after the first run only
}

void TstSongCopy::takenNames_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expectedFile");
    QTest::addRow("free name") << QStringList{} << "Song.mp3";
    QTest::addRow("one taken") << QStringList{u"Song.mp3"_s} << "Song(2).mp3";
    QTest::addRow("two taken") << QStringList{u"Song.mp3"_s, u"Song(2).mp3"_s} << "Song(3).mp3";
    QStringList all{u"Song.mp3"_s};
    for (int n = 2; n <= 99; ++n)
        all << u"Song(%1).mp3"_s.arg(n);
    QTest::addRow("98 taken") << all << "";
}

void TstSongCopy::takenNames()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, expectedFile);

    TPlayer player({{u"Song"_s, u"A"_s, {}, 0, {}, "new"}, {u"Other"_s, u"A"_s, {}, 0, {}, "other"}});
    for (const QString &name : existing)
        WriteFixtureFile(player.dest + name, "old");
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(),
                                         player.Options(1), progress, services, dialogs, nullptr);
    for (const QString &name : existing)
        QCOMPARE(ReadFixtureFile(player.dest + name), QByteArray("old"));
    QCOMPARE(ReadFixtureFile(player.dest + u"Other.mp3"_s), QByteArray("other"));
    if (expectedFile.isEmpty()) {
        QCOMPARE(r.FFailed, 1);
        QCOMPARE(r.FCopied, 1);
        QCOMPARE(r.FHandled, 1); // the song without a free name is not counted as handled
        QCOMPARE(TPlayer::ErrorOf(r, 0), -2);
        QVERIFY(progress.FRuns.first().labels.contains(u"[ Song.mp3 ]のリネームに失敗しました"_s));
        QCOMPARE(progress.FRuns.first().cancelChecks, 1);
        QCOMPARE(progress.FRuns.first().labels.last(), u"(1/2) [ Other.mp3 ]をコピー中"_s);
    } else {
        QCOMPARE(r.FFailed, 0);
        QCOMPARE(ReadFixtureFile(player.dest + expectedFile), QByteArray("new"));
    }
}

void TstSongCopy::copyIsOrdinaryAndNeverOverwrites()
{
    TPlayer player({{u"Song"_s, u"A"_s, {}, 0, {}, "music"}});
    const QString source = player.root + u"iPod_Control/Music/F00/S0.mp3"_s;
    QVERIFY(::chmod(QFile::encodeName(source).constData(), 0444) == 0);
    QTemporaryDir other;
    QVERIFY(QFile::link(other.filePath(u"victim"_s), player.dest + u"Song.mp3"_s)); // dangling link

    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(),
                                         player.Options(1), progress, services, dialogs, nullptr);
    QCOMPARE(r.FCopied, 1);
    QVERIFY(!QFileInfo::exists(other.filePath(u"victim"_s)));
    const QFileInfo copy(player.dest + u"Song(2).mp3"_s);
    QVERIFY(copy.isFile());
    QVERIFY(copy.isWritable());
    QCOMPARE(ReadFixtureFile(copy.filePath()), QByteArray("music"));

    // The low-level copy refuses an existing target and leaves it alone.
    QCOMPARE(CopyFileNoOverwrite(source, copy.filePath()), EEXIST);
    QCOMPARE(ReadFixtureFile(copy.filePath()), QByteArray("music"));
    QCOMPARE(CopyFileNoOverwrite(player.root, player.dest + u"dir.mp3"_s), EISDIR);
    QVERIFY(!QFileInfo::exists(player.dest + u"dir.mp3"_s));
}

void TstSongCopy::cancelStopsAfterCurrentSong()
{
    QList<TFixtureSong> songs;
    for (int i = 0; i < 5; ++i)
        songs.append(Song(u"S%1"_s.arg(i), u"A"_s));
    TPlayer player(songs);
    TRecordingProgress progress;
    progress.FCancelAtCheck = 2;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(),
                                         player.Options(1), progress, services, dialogs, nullptr);
    QVERIFY(r.FCancelled);
    QCOMPARE(r.FCopied, 2);
    QCOMPARE(FilesBelow(player.dest), (QStringList{u"S0.mp3"_s, u"S1.mp3"_s}));
    QCOMPARE(services.FStatusTexts.size(), 1); // the closing text still follows
    QCOMPARE(dialogs.FOpened.size(), 1);
}

void TstSongCopy::videoCopy()
{
    TPlayer player({Song(u"Song"_s, u"A"_s),
                    {u"Clip"_s, u"Mr. X"_s, u"Alb."_s, 4, {}, "v1", true},
                    {u"Clip"_s, u""_s, {}, 0, {}, "v2", true},
                    {u"Gone"_s, u"Z"_s, {}, 0, {}, "v3", true, false}});
    TVideoListModel videos;
    TRecordingProgress progress;
    QCOMPARE(videos.Load(player.db.FSongs, progress), u"3 本のビデオを取得しました"_s);
    QCOMPARE(progress.FRuns.first().title, u"ビデオの取得"_s);
    QCOMPARE(progress.FRuns.first().maximum, 4);
    QCOMPARE(videos.rowCount(), 3);
    QCOMPARE(videos.SelectionSummary(), u"0 本をチェックしています ( 全体で 0.0 MB )"_s);
    videos.SetAllChecked(true);
    QCOMPARE(videos.CheckedCount(), 3);

    TCopyOptions o = player.Options(0, true);
    o.FAlbumFolder = true;
    o.FAddTrackNo = true; // has no effect on videos
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport r = ExtractVideos(player.db.FSongs, player.root, videos.CopyRows(), o, progress,
                                        services, dialogs, nullptr);
    QCOMPARE(r.FCopied, 2);
    QCOMPARE(r.FFailed, 1);
    QCOMPARE(FilesBelow(player.dest), (QStringList{u"Clip.m4v"_s, u"Mr. X/Alb/Mr. X-Clip.m4v"_s}));
    QCOMPARE(services.FStatusTexts,
             QStringList{u"フォルダ \"%1\" にビデオファイルを 2 本転送しました(スキップは 1 本)"_s.arg(
                 QDir::toNativeSeparators(player.dest))});
    QCOMPARE(services.FTransferLogs, 1);
    QCOMPARE(r.FOutcomes.size(), 3); // the song was not taken up
}

void TstSongCopy::folderCheck_data()
{
    QTest::addColumn<QString>("folder"); // "@" stands for an existing temporary folder
    QTest::addColumn<qint64>("freeBytes");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QString>("text");
    QTest::addRow("empty") << "" << qint64(1) << false << "フォルダが指定されていません";
    QTest::addRow("spaces") << "  " << qint64(1) << false << "フォルダが指定されていません";
    QTest::addRow("relative") << "music/out" << qint64(1) << false << "ドライブが存在しません";
    QTest::addRow("full drive") << "@" << qint64(0) << false << "このドライブにはコピーできません";
    QTest::addRow("existing") << "@" << qint64(5LL << 20 | 12345) << true
                              << "このフォルダは存在します (5 MB空き)";
    QTest::addRow("missing") << "@/new/deeper" << qint64(3000LL << 20) << true
                             << "このフォルダは存在しません (3000 MB空き)";
}

void TstSongCopy::folderCheck()
{
    QFETCH(QString, folder);
    QFETCH(qint64, freeBytes);
    QFETCH(bool, usable);
    QFETCH(QString, text);
    QTemporaryDir dir;
    folder.replace(u"@"_s, dir.path());
    TFakeDriveTable drives;
    drives.Add(u"/"_s, false, {}, freeBytes * 2, freeBytes);
    const TFolderCheck check = CheckDestinationFolder(folder, drives);
    QCOMPARE(check.FUsable, usable);
    QCOMPARE(check.FText, text);
}

void TstSongCopy::folderQuestion_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QList<TDialogAnswer>>("answers");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<bool>("created");
    QTest::addRow("exists: no question") << true << QList<TDialogAnswer>{} << true << true;
    QTest::addRow("yes creates") << false << QList<TDialogAnswer>{TDialogAnswer::Yes} << true << true;
    QTest::addRow("no stays") << false << QList<TDialogAnswer>{TDialogAnswer::No} << false << false;
}

void TstSongCopy::folderQuestion()
{
    QFETCH(bool, exists);
    QFETCH(QList<TDialogAnswer>, answers);
    QFETCH(bool, confirmed);
    QFETCH(bool, created);
    QTemporaryDir dir;
    const QString folder = exists ? dir.path() + u'/' : dir.filePath(u"a/b/"_s);
    TScriptedDialogs dialogs;
    dialogs.FAnswers = answers;
    QCOMPARE(ConfirmDestinationFolder(folder, dialogs), confirmed);
    QCOMPARE(QFileInfo(folder).isDir(), created);
    if (!exists)
        QCOMPARE(dialogs.Texts(u"yesno"_s),
                 QStringList{u"フォルダ[ %1 ]は存在しません。作成してもよろしいですか？"_s.arg(folder)});
}

void TstSongCopy::listingNamesRealCopies()
{
    // A second run into the same folder: the listing names the renamed copies, not the first run's files.
    TPlayer player({{u"Song"_s, u"A"_s, {}, 1, {}, "1"}, {u"Gone"_s, u"A"_s, {}, 2, {}, "2"}});
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    TCopyOptions o = player.Options(1);
    o.FMakeListing = true;
    ExtractEntries(player.db.FSongs, player.root, player.AllChecked(), o, progress, services, dialogs,
                   nullptr);
    QFile::remove(player.root + u"iPod_Control/Music/F00/S1.mp3"_s); // the second song fails next time
    TITXMakeLibrary listing;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(), o, progress,
                                         services, dialogs, &listing);
    QCOMPARE(r.FCopied, 1);
    QCOMPARE(listing.FLines.size(), 3);
    QVERIFY(listing.FLines.at(1).endsWith(u'\t' + QDir::toNativeSeparators(player.dest + u"Song(2).mp3"_s)));
    // A failed copy is still listed, under the path it was meant to have.
    QVERIFY(listing.FLines.at(2).endsWith(u'\t' + QDir::toNativeSeparators(player.dest + u"Gone.mp3"_s)));
}

void TstSongCopy::listingKeepsEarlierFile_data()
{
    QTest::addColumn<QByteArray>("existing"); // null: none; "earlier run": the listing of a run before
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("appended");
    QTest::addColumn<QString>("note");
    QTest::addRow("none") << QByteArray() << u"iPodLibrary.TXT"_s << false
                          << u"(一覧表 iPodLibrary.TXT を書きました)"_s;
    QTest::addRow("an earlier run's listing") << QByteArray("earlier run") << u"iPodLibrary.TXT"_s << true
                                              << u"(一覧表 iPodLibrary.TXT に 1 行を追加しました)"_s;
    QTest::addRow("a file of the user")
        << QByteArray("my notes\r\n") << u"iPodLibrary(2).TXT"_s << false
        << u"(iPodLibrary.TXT は一覧表ではないためそのままにし、一覧表を iPodLibrary(2).TXT に書きました)"_s;
}

void TstSongCopy::listingKeepsEarlierFile()
{
    QFETCH(QByteArray, existing);
    QFETCH(QString, file);
    QFETCH(bool, appended);
    QFETCH(QString, note);
    TPlayer player({{u"Song"_s, u"A"_s, {}, 1, {}, "1"}});
    TRecordingProgress progress;
    TScriptedDialogs dialogs;
    TCopyOptions o = player.Options(1);
    o.FMakeListing = true;
    const QString first = player.dest + u"iPodLibrary.TXT"_s;
    if (existing == "earlier run") {
        TRecordingServices earlierServices;
        TITXMakeLibrary earlier; // another session's
        ExtractEntries(player.db.FSongs, player.root, player.AllChecked(), o, progress, earlierServices,
                       dialogs, &earlier);
        existing = ReadFixtureFile(first);
    } else if (!existing.isNull()) {
        QVERIFY(QDir().mkpath(player.dest));
        QVERIFY(WriteFixtureFile(first, existing));
    }
    TRecordingServices services;
    TITXMakeLibrary listing;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(), o, progress,
                                         services, dialogs, &listing);
    QCOMPARE(r.FListingPath, player.dest + file);
    QCOMPARE(r.FListingAppended, appended);
    QCOMPARE(r.FStatusText, services.FStatusTexts.value(0));
    QVERIFY2(r.FStatusText.endsWith(u' ' + note), qPrintable(r.FStatusText));
    const QStringList lines = ShiftJisToUnicode(ReadFixtureFile(r.FListingPath)).split(u"\r\n"_s);
    if (appended) {
        // The earlier bytes first, then this run's row, which names its renamed copy; one header.
        QVERIFY(ReadFixtureFile(first).startsWith(existing));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.count(listing.FLines.first()), 1);
        QVERIFY(lines.at(2).endsWith(QDir::toNativeSeparators(player.dest + u"Song(2).mp3"_s)));
    } else {
        QCOMPARE(lines, (QStringList{listing.FLines.at(0), listing.FLines.at(1), QString()}));
        if (!existing.isNull())
            QCOMPARE(ReadFixtureFile(first), existing);
    }
}

void TstSongCopy::stopInsideSongLeavesNoFile()
{
    TPlayer player(
        {{u"Big"_s, u"A"_s, {}, 1, {}, QByteArray(1 << 20, 'b')}, {u"Next"_s, u"A"_s, {}, 2, {}, "2"}});
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    RequestStop(); // as a signal arriving while the first song is being written
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(),
                                         player.Options(1), progress, services, dialogs, nullptr);
    ResetStopRequest();
    QVERIFY(r.FCancelled);
    QCOMPARE(r.FCopied, 0);
    QCOMPARE(r.FFailed, 0);
    QCOMPARE(FolderEntries(player.dest), QStringList{}); // neither a half song nor a temporary file
    QCOMPARE(services.FStatusTexts,
             QStringList{u"転送を中止しました。フォルダ \"%1\" に音楽ファイルを 0 曲転送しました"_s.arg(
                 QDir::toNativeSeparators(player.dest))});
}

void TstSongCopy::entryWithoutLocation()
{
    TPlayer player({{u"Song"_s, u"A"_s, {}, 1, {}, "1"}, {u"Other"_s, u"A"_s, {}, 2, {}, "2"}});
    player.db.FSongs.Items(0).SetLocation({});
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(),
                                         player.Options(1), progress, services, dialogs, nullptr);
    QCOMPARE(r.FCopied, 1);
    QCOMPARE(r.FFailed, 1);
    QCOMPARE(FilesBelow(player.dest), QStringList{u"Other.mp3"_s});
    const QList<TTransferLogRow> log = TransferLogRows(player.db.FSongs, r);
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.first().FErrorText, u"データベースに曲の場所が記録されていません"_s);
}

void TstSongCopy::destinationInsidePlayer_data()
{
    QTest::addColumn<QString>("below");
    QTest::addRow("the player root") << QString();
    QTest::addRow("the player's music folder") << u"iPod_Control/Music/F00"_s;
    QTest::addRow("a new folder on the player") << u"Copies/new"_s;
}

void TstSongCopy::destinationInsidePlayer()
{
    QFETCH(QString, below);
    TPlayer player({{u"Song"_s, u"A"_s, {}, 1, {}, "1"}});
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    TCopyOptions o = player.Options(1);
    o.FFolder = AddPathDelim(player.root + below);
    QVERIFY_THROWS_EXCEPTION(ESorvoError, ExtractEntries(player.db.FSongs, player.root, player.AllChecked(),
                                                         o, progress, services, dialogs, nullptr));
    QVERIFY(progress.FRuns.isEmpty());
    QCOMPARE(FilesBelow(player.root + u"iPod_Control/Music"_s), QStringList{u"F00/S0.mp3"_s});
    QVERIFY(!QFileInfo::exists(player.root + u"Copies"_s));
}

void TstSongCopy::uncreatableFolderStopsOnce()
{
    TPlayer player({{u"One"_s, u"A"_s, {}, 1, {}, "1"}, {u"Two"_s, u"A"_s, {}, 2, {}, "2"}});
    QVERIFY(WriteFixtureFile(player.dir.filePath(u"file"_s), "x"));
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    TCopyOptions o = player.Options(1);
    o.FFolder = player.dir.filePath(u"file/music/"_s); // a file stands where a folder should be
    try {
        ExtractEntries(player.db.FSongs, player.root, player.AllChecked(), o, progress, services, dialogs,
                       nullptr);
        QFAIL("no error");
    } catch (const ESorvoError &e) {
        QVERIFY(e.Message().contains(QDir::toNativeSeparators(o.FFolder)));
    }
    QVERIFY(progress.FRuns.isEmpty()); // one error for the run, none per song
}

void TstSongCopy::fullDiskLeavesNoHalfCopy()
{
    TSmallDisk disk(256 * 1024);
    if (!disk.Mounted())
        QSKIP("a small file system can only be mounted by root");
    TPlayer player(
        {{u"Small"_s, u"A"_s, {}, 1, {}, "1"}, {u"Large"_s, u"A"_s, {}, 2, {}, QByteArray(400 * 1024, 'l')}});
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    TCopyOptions o = player.Options(1);
    o.FFolder = disk.Path() + u'/';
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(), o, progress,
                                         services, dialogs, nullptr);
    QCOMPARE(r.FCopied, 1);
    QCOMPARE(r.FFailed, 1);
    QCOMPARE(TPlayer::ErrorOf(r, 1), ENOSPC);
    QCOMPARE(FolderEntries(disk.Path()), QStringList{u"Small.mp3"_s});
}

void TstSongCopy::windowsRefusedNames_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("album");
    QTest::addColumn<bool>("video");
    QTest::addColumn<QString>("expected");
    QTest::addRow("device name title") << u"CON"_s << QString() << QString() << false << u"CON_.mp3"_s;
    QTest::addRow("device artist folder, any case")
        << u"T"_s << u"aux"_s << QString() << false << u"aux_/aux-T.mp3"_s;
    QTest::addRow("numbered devices")
        << u"T"_s << u"COM1"_s << u"lpt9"_s << false << u"COM1_/lpt9_/COM1-T.mp3"_s;
    QTest::addRow("not a device") << u"T"_s << u"COM10"_s << u"CONSOLE"_s << false
                                  << u"COM10/CONSOLE/COM10-T.mp3"_s;
    QTest::addRow("video artist with trailing dots and blanks")
        << u"T"_s << u"Mr X. . "_s << QString() << true << u"Mr X/Mr X. . -T.mp3"_s;
    QTest::addRow("video artist NUL") << u"T"_s << u"nul"_s << QString() << true << u"nul_/nul-T.mp3"_s;
}

void TstSongCopy::windowsRefusedNames()
{
    QFETCH(QString, title);
    QFETCH(QString, artist);
    QFETCH(QString, album);
    QFETCH(bool, video);
    QFETCH(QString, expected);
    TCopyOptions o;
    o.FKind = video ? TCopyKind::Videos : TCopyKind::Songs;
    o.FArtistFolder = !artist.isEmpty();
    o.FAlbumFolder = !album.isEmpty();
    QCOMPARE(CopyRelativePath(Entry(title, artist, album, 0), o), expected);
}

void TstSongCopy::linkIntoPlayerIsRefused()
{
    // dest/A is a link to the player's music folder: the songs of artist A must not land in the player.
    TPlayer player({Song(u"S1"_s, u"A"_s), Song(u"S2"_s, u"B"_s)});
    QVERIFY(QFile::link(player.root + u"iPod_Control/Music"_s, player.dest + u"A"_s));
    const QStringList before = FilesBelow(player.root);
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(),
                                         player.Options(0, true), progress, services, dialogs, nullptr);
    QCOMPARE(FilesBelow(player.root), before);
    QCOMPARE(r.FCopied, 1);
    QCOMPARE(r.FFailed, 1);
    QVERIFY(QFileInfo::exists(player.dest + u"B/B-S2.mp3"_s));
    QCOMPARE(TPlayer::ErrorOf(r, 0), -5);

    // A destination through the link, with folders still to be made: refused before any is made.
    QVERIFY_THROWS_EXCEPTION(ESorvoError, RefuseFolderInPlayer(player.dest + u"A/new/x/"_s, player.root));
    QVERIFY(!QFileInfo::exists(player.root + u"iPod_Control/Music/new"_s));
}

void TstSongCopy::fileInTheWayOfAFolder()
{
    // A plain file named as artist A's folder: A's song fails with its own reason, B's is copied.
    TPlayer player({Song(u"S1"_s, u"A"_s), Song(u"S2"_s, u"B"_s)});
    QVERIFY(WriteFixtureFile(player.dest + u"A"_s, "a file"));
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(),
                                         player.Options(0, true), progress, services, dialogs, nullptr);
    QCOMPARE(r.FCopied, 1);
    QCOMPARE(TPlayer::ErrorOf(r, 0), TCopyDestination::kFileInTheWay);
    QCOMPARE(ReadFixtureFile(player.dest + u"A"_s), QByteArray("a file"));
    QCOMPARE(TransferErrorText(TCopyDestination::kFileInTheWay),
             u"出力先にフォルダと同じ名前のファイルがあります"_s);
}

void TstSongCopy::destinationUnmountedMidCopy()
{
    TSmallDisk disk(8 * 1024 * 1024);
    if (!disk.Mounted())
        QSKIP("a small file system can only be mounted by root");
    QList<TFixtureSong> songs;
    for (int i = 0; i < 5; ++i)
        songs.append(Song(u"S%1"_s.arg(i), u"A"_s));
    TPlayer player(songs);
    TCopyOptions options = player.Options(1);
    options.FFolder = disk.Path() + u"/out/"_s;
    TRecordingProgress progress;
    progress.FOnCancelCheck = [&](int n) {
        if (n == 2) // the disk goes after the second song; its mount point stays, empty
            QVERIFY(QProcess::execute(u"umount"_s, {u"-l"_s, disk.Path()}) == 0);
    };
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(), options,
                                         progress, services, dialogs, nullptr);
    QVERIFY(r.FDestinationLost);
    QCOMPARE(r.FCopied, 2);
    QCOMPARE(FolderEntries(disk.Path()), QStringList{}); // nothing written on the system disk
    QCOMPARE(
        services.FStatusTexts.last(),
        u"出力先フォルダ \"%1\" が見つからなくなったため転送を中止しました。音楽ファイルを 2 曲転送しました"_s
            .arg(QDir::toNativeSeparators(options.FFolder)));
}

void TstSongCopy::linkOutOfPlayerNamed()
{
    // On the player: a song file that is a link to a file outside it, one that is a link to nothing,
    // and an ordinary one.
    QList<TFixtureSong> songs{Song(u"Out"_s, u"A"_s), Song(u"Dangling"_s, u"A"_s), Song(u"Here"_s, u"A"_s)};
    songs[0].location = u":iPod_Control:Music:F00:OUT.mp3"_s;
    songs[0].writeFile = false;
    songs[1].location = u":iPod_Control:Music:F00:GONE.mp3"_s;
    songs[1].writeFile = false;
    TPlayer player(songs);
    const QString outside = player.dir.filePath(u"outside.mp3"_s);
    WriteFixtureFile(outside, "secret");
    QVERIFY(QFile::link(outside, player.root + u"iPod_Control/Music/F00/OUT.mp3"_s));
    QVERIFY(QFile::link(player.dir.filePath(u"nothing.mp3"_s),
                        player.root + u"iPod_Control/Music/F00/GONE.mp3"_s));

    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(),
                                         player.Options(0), progress, services, dialogs, nullptr);
    QCOMPARE(r.FCopied, 1);
    QCOMPARE(r.FFailed, 2);
    QCOMPARE(TPlayer::ErrorOf(r, 0), -6);
    QCOMPARE(TPlayer::ErrorOf(r, 1), -2);
    QVERIFY(!QFileInfo::exists(player.dest + u"A-Out.mp3"_s));
    const QList<TTransferLogRow> log = TransferLogRows(player.db.FSongs, services.FLogReport);
    QCOMPARE(log.size(), 2);
    QCOMPARE(log[0].FTitle, u"Out"_s);
    QCOMPARE(log[0].FErrorText, u"プレーヤー上のファイルがプレーヤーの外を指しているため、コピーしません"_s);
    QCOMPARE(log[1].FErrorText, u"データファイルが存在しません"_s);
}

void TstSongCopy::playerRemovedMidCopy_data()
{
    QTest::addColumn<bool>("emptyMountPoint");
    QTest::addRow("root gone") << false;
    QTest::addRow("empty mount point left in its place") << true;
}

void TstSongCopy::playerRemovedMidCopy()
{
    QFETCH(bool, emptyMountPoint);
    QList<TFixtureSong> songs;
    for (int i = 0; i < 5; ++i)
        songs.append(Song(u"S%1"_s.arg(i), u"A"_s));
    TPlayer player(songs);
    const TCopyOptions options = player.Options(1);
    TRecordingProgress progress;
    progress.FOnCancelCheck = [&](int n) {
        if (n != 2) // the player goes after the second song
            return;
        QVERIFY(QDir().rename(player.root, player.dir.filePath(u"unplugged"_s)));
        if (emptyMountPoint)
            QVERIFY(QDir().mkpath(player.root));
    };
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TCopyReport r = ExtractEntries(player.db.FSongs, player.root, player.AllChecked(), options,
                                         progress, services, dialogs, nullptr);
    QVERIFY(r.FPlayerLost);
    QCOMPARE(r.FCopied, 2);
    QCOMPARE(r.FFailed, 0); // the songs left are not logged as missing
    QVERIFY(!r.HasLogRows());
    QCOMPARE(services.FTransferLogs, 0);
    QCOMPARE(
        services.FStatusTexts.last(),
        u"プレーヤーが取り外されたため転送を中止しました。フォルダ \"%1\" に音楽ファイルを 2 曲転送しました"_s
            .arg(QDir::toNativeSeparators(options.FFolder)));
}

QTEST_GUILESS_MAIN(TstSongCopy)
#include "tst_songcopy.moc"
