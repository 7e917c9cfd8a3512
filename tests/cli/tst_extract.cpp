#include "app/userdialogs.h"
#include "common/japanese.h"
#include "music/itunesdbloader.h"
#include "music/itxmakelibrary.h"
#include "music/songcopy.h"
#include "photos/artworkdbloader.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"

#include "clirun.h"
#include "demoplayer.h"
#include "fixturefiles.h"
#include "recordingservices.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>

using namespace Qt::Literals::StringLiterals;

class TstExtract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameFilesAsTheEngine_data();
    void sameFilesAsTheEngine();
    void secondRunAddsNumbers();
    void videos();
    void photos();
    void usageErrors_data();
    void usageErrors();
    void nothingWrittenIntoThePlayer_data();
    void nothingWrittenIntoThePlayer();
    void nothingWrittenThroughASecondMount();
    void unreadInputIsAFailure_data();
    void unreadInputIsAFailure();

private:
    QTemporaryDir FDir;
    QString FRoot;
};

namespace {

TCliRun RunCli(const QStringList &args)
{
    return RunCliProgram(QStringLiteral(SORVO_CLI_PATH), args);
}

// Relative path and content digest of every file below a folder.
QMap<QString, QByteArray> Tree(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path),
                     QCryptographicHash::hash(ReadFixtureFile(path), QCryptographicHash::Sha1));
    }
    return files;
}

// Every name below a folder, folders and hidden files too.
QStringList Names(const QString &folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names.append(QDir(folder).relativeFilePath(it.next()));
    names.sort();
    return names;
}

} // namespace

void TstExtract::initTestCase()
{
    FRoot = FDir.filePath(u"player/"_s);
    QCOMPARE(BuildDemoPlayer(FRoot), QString());
}

void TstExtract::sameFilesAsTheEngine_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<int>("nameType");
    QTest::addColumn<bool>("artistFolder");
    QTest::addColumn<bool>("albumFolder");
    QTest::addColumn<bool>("trackNo");
    QTest::addColumn<bool>("embedTags");
    QTest::addRow("folders, track numbers, listing")
        << QStringList{u"--artist-folders"_s, u"--album-folders"_s, u"--track-numbers"_s} << 0 << true << true
        << true << false;
    QTest::addRow("titles only") << QStringList{u"--naming"_s, u"title"_s} << 1 << false << false << false
                                 << false;
    QTest::addRow("player names") << QStringList{u"--naming"_s, u"keep"_s, u"--album-folders"_s} << 2 << false
                                  << true << false << false;
    QTest::addRow("tags and artwork written")
        << QStringList{u"--embed-tags"_s} << 0 << false << false << false << true;
}

void TstExtract::sameFilesAsTheEngine()
{
    QFETCH(QStringList, flags);
    QFETCH(int, nameType);
    QFETCH(bool, artistFolder);
    QFETCH(bool, albumFolder);
    QFETCH(bool, trackNo);
    QFETCH(bool, embedTags);
    QTemporaryDir out;
    const QString cliFolder = out.filePath(u"cli/"_s);
    const QString engineFolder = out.filePath(u"engine/"_s);
    QDir().mkpath(cliFolder);
    QDir().mkpath(engineFolder);

    const TCliRun run = RunCli(
        QStringList{u"--drive"_s, FRoot, u"extract"_s, u"--to"_s, cliFolder, u"--all"_s, u"--listing"_s} +
        flags);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    // The status line is not data: it goes to standard error.
    QCOMPARE(run.out, QByteArray());
    // The listing's file is named there too.
    QVERIFY2(
        run.err.contains(
            u"フォルダ \"%1\" に音楽ファイルを全曲転送しました (一覧表 iPodLibrary.TXT を書きました)\n"_s.arg(
                cliFolder)),
        qPrintable(run.err));

    TITunesDBLoader db;
    db.LoadFromFile(FRoot + u"iPod_Control/iTunes/iTunesDB"_s);
    QList<TCopyRow> rows;
    for (int i = 0; i < db.FSongs.Count(); ++i)
        if (!db.FSongs.Items(i).FIsVideo)
            rows.append({i, true});
    TCopyOptions o;
    o.FFolder = engineFolder;
    o.FNameType = NamingTypeFromSetting(nameType);
    o.FArtistFolder = artistFolder;
    o.FAlbumFolder = albumFolder;
    o.FAddTrackNo = trackNo;
    o.FMakeListing = true;
    o.FEmbedTags = embedTags;
    TArtworkDBLoader artwork;
    artwork.LoadFromFile(FRoot + u"iPod_Control/Artwork/ArtworkDB"_s);
    o.FArtwork = &artwork;
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    TITXMakeLibrary listing;
    const TCopyReport r = ExtractEntries(db.FSongs, FRoot, rows, o, progress, services, dialogs, &listing);
    QCOMPARE(r.FFailed, 0);
    QVERIFY(r.FCopied > 10);

    const QMap<QString, QByteArray> cliFiles = Tree(cliFolder);
    QMap<QString, QByteArray> engineFiles = Tree(engineFolder);
    QCOMPARE(cliFiles.keys(), engineFiles.keys());
    // Contents are equal apart from the listing, whose paths name different folders.
    engineFiles.insert(u"iPodLibrary.TXT"_s, cliFiles.value(u"iPodLibrary.TXT"_s));
    QCOMPARE(cliFiles, engineFiles);
    // Shift-JIS, or UTF-16LE with a byte-order mark when a name needs it: compared as text.
    const auto listingText = [](const QString &path) {
        const QByteArray bytes = ReadFixtureFile(path);
        if (bytes.startsWith("\xFF\xFE"))
            return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                                      (bytes.size() - 2) / 2);
        return ShiftJisToUnicode(bytes);
    };
    QString cliListing = listingText(cliFolder + u"iPodLibrary.TXT"_s);
    QString engineListing = listingText(engineFolder + u"iPodLibrary.TXT"_s);
    QVERIFY(cliListing.contains(cliFolder));
    cliListing.replace(cliFolder, u"DEST/"_s);
    engineListing.replace(engineFolder, u"DEST/"_s);
    QCOMPARE(cliListing, engineListing);

    // The copies are the player's files exactly unless tags were asked for.
    QMap<QByteArray, int> playerFiles;
    for (const QByteArray &digest : Tree(FRoot + u"iPod_Control/Music"_s))
        ++playerFiles[digest];
    int identical = 0;
    for (auto it = cliFiles.cbegin(); it != cliFiles.cend(); ++it)
        identical += playerFiles.contains(it.value()) ? 1 : 0;
    QCOMPARE(identical, embedTags ? 0 : r.FCopied);
}

void TstExtract::secondRunAddsNumbers()
{
    QTemporaryDir out;
    const QString folder = out.path() + u'/';
    const QStringList args{u"--drive"_s, FRoot, u"extract"_s, u"--to"_s, folder, u"--search"_s, u"さくら"_s};
    QCOMPARE(RunCli(args).exitCode, 0);
    const QMap<QString, QByteArray> first = Tree(folder);
    QVERIFY(!first.isEmpty());
    QCOMPARE(RunCli(args).exitCode, 0);
    const QMap<QString, QByteArray> second = Tree(folder);
    QCOMPARE(second.size(), first.size() * 2);
    for (auto it = first.begin(); it != first.end(); ++it) {
        QCOMPARE(second.value(it.key()), it.value()); // nothing overwritten
        const qsizetype dot = it.key().lastIndexOf(u'.');
        QCOMPARE(second.value(it.key().left(dot) + u"(2)"_s + it.key().mid(dot)), it.value());
    }
}

void TstExtract::videos()
{
    QTemporaryDir out;
    const TCliRun run = RunCli(
        {u"--drive"_s, FRoot, u"extract-videos"_s, u"--to"_s, out.path(), u"--all"_s, u"--artist-folders"_s});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY(run.err.contains(u"にビデオファイルを全て転送しました"_s));
    const QStringList files = Tree(out.path()).keys();
    QVERIFY(!files.isEmpty());
    for (const QString &f : files)
        QVERIFY2(!f.endsWith(u".mp3"_s), qPrintable(f));
}

void TstExtract::photos()
{
    QTemporaryDir out;
    const TCliRun run = RunCli({u"--drive"_s, FRoot, u"export-photos"_s, u"--to"_s, out.path(), u"--all"_s});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY(run.err.contains(u"に写真ファイルを転送しました"_s));
    const QStringList files = Tree(out.path()).keys();
    QVERIFY(!files.isEmpty());
    for (const QString &f : files)
        QVERIFY2(f.contains(u"/IMG0"_s) && f.endsWith(u".jpg"_s), qPrintable(f));
}

void TstExtract::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("exitCode");
    QTest::addRow("no folder") << QStringList{u"extract"_s, u"--all"_s} << "使い方: sorvo-cli extract" << 2;
    QTest::addRow("no choice") << QStringList{u"extract"_s, u"--to"_s, u"/tmp"_s}
                               << "使い方: sorvo-cli extract" << 2;
    QTest::addRow("two choices") << QStringList{u"extract"_s, u"--to"_s,     u"/tmp"_s,
                                                u"--all"_s,   u"--artist"_s, u"x"_s}
                                 << "使い方: sorvo-cli extract" << 2;
    QTest::addRow("bad naming") << QStringList{u"extract"_s, u"--to"_s,     u"/tmp"_s,
                                               u"--all"_s,   u"--naming"_s, u"x"_s}
                                << "--naming" << 2;
    QTest::addRow("no match") << QStringList{u"extract"_s, u"--to"_s, u"/tmp"_s, u"--artist"_s, u"nobody"_s}
                              << "該当する曲はありませんでした" << 1;
    QTest::addRow("unknown album") << QStringList{u"export-photos"_s, u"--to"_s, u"/tmp"_s, u"--album"_s,
                                                  u"zz"_s}
                                   << "アルバム[ zz ]はありません" << 1;
}

void TstExtract::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QFETCH(int, exitCode);
    const TCliRun run = RunCli(QStringList{u"--drive"_s, FRoot} + args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

void TstExtract::nothingWrittenIntoThePlayer_data()
{
    // %1 is replaced by the player's root, %2 by a link to it.
    QTest::addColumn<QStringList>("args");
    QTest::addRow("thumbnail over the song database") << QStringList{
        u"thumbnail"_s, u"--song-id"_s, u"1"_s, u"--out"_s, u"%1iPod_Control/iTunes/iTunesDB"_s};
    QTest::addRow("thumbnail through a link")
        << QStringList{u"thumbnail"_s, u"--song-id"_s, u"1"_s, u"--out"_s, u"%2/Notes/x.png"_s};
    QTest::addRow("photos") << QStringList{u"export-photos"_s, u"--all"_s, u"--to"_s, u"%1Photos/out"_s};
    QTest::addRow("debug export") << QStringList{u"debug-export"_s, u"--song-db"_s, u"--device-report"_s,
                                                 u"--to"_s, u"%2/Notes"_s};
    QTest::addRow("scrobble log") << QStringList{u"plays"_s, u"--scrobble-log"_s,
                                                 u"%2/Notes/.scrobbler.log"_s};
    QTest::addRow("songs through a link")
        << QStringList{u"extract"_s, u"--all"_s, u"--to"_s, u"%2/Music/x"_s};
    QTest::addRow("videos") << QStringList{u"extract-videos"_s, u"--all"_s, u"--to"_s, u"%1Videos"_s};
}

void TstExtract::nothingWrittenIntoThePlayer()
{
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    const QString link = dir.filePath(u"player-link"_s);
    QVERIFY(QFile::link(QDir::cleanPath(FRoot), link));
    for (QString &a : args)
        a = a.replace(u"%1"_s, FRoot).replace(u"%2"_s, link);
    const QMap<QString, QByteArray> before = Tree(FRoot);
    const QStringList names = Names(FRoot);
    const TCliRun run = RunCli(QStringList{u"--drive"_s, FRoot} + args);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(u"はプレーヤーの中にあるため"_s), qPrintable(run.err));
    QCOMPARE(Tree(FRoot), before);
    QCOMPARE(Names(FRoot), names); // no folder made either
}

void TstExtract::nothingWrittenThroughASecondMount()
{
    QTemporaryDir dir;
    const QString second = dir.filePath(u"second"_s);
    QVERIFY(QDir().mkpath(second));
    const QByteArray target = QFile::encodeName(second);
    if (::mount(QFile::encodeName(FRoot).constData(), target.constData(), nullptr, MS_BIND, nullptr) != 0)
        QSKIP("a second mount needs root");
    const QMap<QString, QByteArray> before = Tree(FRoot);
    const QList<QStringList> commands{
        {u"extract"_s, u"--all"_s, u"--to"_s, second + u"/Music"_s},
        {u"thumbnail"_s, u"--song-id"_s, u"1"_s, u"--out"_s, second + u"/iPod_Control/iTunes/iTunesDB"_s},
        {u"export-photos"_s, u"--all"_s, u"--to"_s, second + u"/Photos/out"_s},
        {u"plays"_s, u"--scrobble-log"_s, second + u"/x.log"_s},
    };
    for (const QStringList &args : commands) {
        const TCliRun run = RunCli(QStringList{u"--drive"_s, FRoot} + args);
        if (run.exitCode != 1 || !run.err.contains(u"はプレーヤーの中にあるため"_s)) {
            ::umount2(target.constData(), MNT_DETACH);
            QFAIL(qPrintable(args.first() + u": "_s + run.err));
        }
    }
    ::umount2(target.constData(), MNT_DETACH);
    QCOMPARE(Tree(FRoot), before);
}

void TstExtract::unreadInputIsAFailure_data()
{
    QTest::addColumn<QString>("damaged"); // below the player's root
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("notWritten"); // below the output folder
    QTest::addRow("photos without thumbnails")
        << u"Photos/Thumbs/F1009_1.ithmb"_s << QStringList{u"export-photos"_s, u"--all"_s, u"--to"_s, u"%o"_s}
        << u"枚の写真を読み込めませんでした"_s << QString();
    QTest::addRow("scrobble log from damaged play counts")
        << u"iPod_Control/iTunes/Play Counts"_s
        << QStringList{u"plays"_s, u"--scrobble-log"_s, u"%o/.scrobbler.log"_s} << u"Play Counts"_s
        << u".scrobbler.log"_s;
    QTest::addRow("plays listed from damaged play counts")
        << u"iPod_Control/iTunes/Play Counts"_s << QStringList{u"plays"_s} << u"Play Counts"_s << QString();
}

void TstExtract::unreadInputIsAFailure()
{
    QFETCH(QString, damaged);
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QFETCH(QString, notWritten);
    QTemporaryDir dir;
    const QString root = dir.filePath(u"player/"_s);
    QCOMPARE(BuildDemoPlayer(root), QString());
    QVERIFY(WriteFixtureFile(root + damaged, "damaged"));
    const QString out = dir.filePath(u"out"_s);
    for (QString &a : args)
        a.replace(u"%o"_s, out);
    const TCliRun run = RunCli(QStringList{u"--drive"_s, root} + args);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    if (!notWritten.isEmpty())
        QVERIFY(!QFileInfo::exists(out + u'/' + notWritten));
}

QTEST_GUILESS_MAIN(TstExtract)
#include "tst_extract.moc"
