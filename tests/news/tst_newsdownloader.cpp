#include "app/mainservices.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/japanese.h"
#include "common/sorvoerror.h"
#include "fixturefiles.h"
#include "news/newsdownloader.h"
#include "newsfixtures.h"
#include "recordingprogress.h"
#include "recordingservices.h"
#include "scripteddialogs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kFeed = uR"(<rss version="2.0"><channel><title>日本語ニュース</title><link>http://n/</link>
<description>毎日の話題</description><item><title>記事その一</title><link>http://n/1</link>
<description>本文です</description></item></channel></rss>)"_s;
const QString kPage = uR"(<html><head><meta http-equiv="Content-Type" content="text/html; charset=%1"></head>
<body><h1>見出しです</h1><p>段落の本文</p></body></html>)"_s;

// Every file below a folder, relative to it, sorted.
} // namespace

class TstNewsDownloader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void download_data();
    void download();
    void makeFolderEmptiesFirst();
    void makeFolderOffDeletesNothing();
    void captionStaysInside_data();
    void captionStaysInside();
    void badSaveFolder_data();
    void badSaveFolder();
    void commandProgressAndReload();
    void offlineWarns();
    void cancelStops();
    void longFeedIsDivided();
    void unreadableSites_data();
    void unreadableSites();
    void lostCharactersTold_data();
    void lostCharactersTold();
    void oldNotesStayUntilReplaced_data();
    void oldNotesStayUntilReplaced();

private:
    QString Address(QString text) const;
    /// Downloads the rows; returns the failures named.
    QStringList Run(QList<TSiteRow> &rows, TRecordingProgress *progress = nullptr);

    TTestWebServer FServer;
    quint16 FDeadPort = 0;
    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<TKiruIPodINI> FSettings;
    TScriptedDialogs FDialogs;
    TRecordingServices FServices;
    QString FNotes;
    QString FWork;
};

void TstNewsDownloader::initTestCase()
{
    qunsetenv("http_proxy");
    qunsetenv("ALL_PROXY");
    qunsetenv("all_proxy");
    const QString utf8Feed = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>"_s + kFeed;
    const QString eucFeed = u"<?xml version=\"1.0\" encoding=\"EUC-JP\"?>"_s + kFeed;
    FServer.AddRoute("/utf8.rdf", {200, utf8Feed.toUtf8(), {}, true, false});
    FServer.AddRoute("/gzip.rdf", {200, qCompress(utf8Feed.toUtf8()), {}, true, false});
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise += char((i * 7919 + 13) % 256);
    FServer.AddRoute("/noise.rdf", {200, noise, {}, true, false});
    FServer.AddRoute("/euc.rdf", {200, ShiftJisToEucForTest(UnicodeToShiftJis(eucFeed)), {}, true, false});
    FServer.AddRoute("/sjis.rdf",
                     {200,
                      UnicodeToShiftJis(QString(u"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>"_s + kFeed)),
                      {},
                      true,
                      false});
    FServer.AddRoute(
        "/jis.html",
        {200, ShiftJisToJisForTest(UnicodeToShiftJis(kPage.arg(u"iso-2022-jp"_s))), {}, true, false});
    FServer.AddRoute("/euc.html",
                     {200, ShiftJisToEucForTest(UnicodeToShiftJis(kPage.arg(u"EUC-JP"_s))), {}, true, false});
    FServer.AddRoute("/sjis.html", {200, UnicodeToShiftJis(kPage.arg(u"Shift_JIS"_s)), {}, true, false});
    FServer.AddRoute("/utf8.html", {200, kPage.arg(u"utf-8"_s).toUtf8(), {}, true, false});
    FServer.AddRoute("/moved", {302, {}, "/utf8.rdf", true, false});
    FServer.AddRoute("/memo.txt",
                     {200, UnicodeToShiftJis(u"<b>そのまま</b>\r\n二行目\r\n"_s), {}, true, false});
    FServer.AddRoute(
        "/accents.rdf",
        {200,
         uR"(<?xml version="1.0" encoding="UTF-8"?><rss version="2.0"><channel><title>話題</title>
<item><title>café</title><description>über 한글 und café</description></item></channel></rss>)"_s.toUtf8(),
         {},
         true,
         false});
    FServer.AddRoute("/opml.xml", {200, "<opml><body>x</body></opml>", {}, true, false});
    QVERIFY(FServer.Start());
    FDeadPort = UnusedLocalPort();
}

void TstNewsDownloader::init()
{
    FDir = std::make_unique<QTemporaryDir>();
    QVERIFY(FDir->isValid());
    FNotes = FDir->filePath(u"player/Notes/"_s);
    FWork = FDir->filePath(u"RDFData/"_s);
    QVERIFY(QDir().mkpath(FNotes));
    FSettings = std::make_unique<TKiruIPodINI>(FDir->filePath(u"Velmor.INI"_s));
    FDialogs = TScriptedDialogs();
    FServices = TRecordingServices();
}

QString TstNewsDownloader::Address(QString text) const
{
    text.replace(u"{web}"_s, u"http://127.0.0.1:%1"_s.arg(FServer.Port()));
    text.replace(u"{dead}"_s, u"http://127.0.0.1:%1"_s.arg(FDeadPort));
    return text;
}

QStringList TstNewsDownloader::Run(QList<TSiteRow> &rows, TRecordingProgress *progress)
{
    TRecordingProgress local;
    TNewsDownloader downloader(*FSettings, FDialogs);
    downloader.FWorkFolder = FWork;
    downloader.FIsOnline = [] { return true; };
    downloader.Download(rows, FNotes, progress ? *progress : local, &FServices);
    return downloader.FFailures;
}

void TstNewsDownloader::download_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("stamped");
    QTest::addColumn<QStringList>("contains");
    const QStringList feed{u"日本語ニュース"_s, u"毎日の話題"_s, u"【記事その一】"_s, u"本文です"_s};
    const QStringList page{u"「見出しです」"_s, u"段落の本文"_s};
    QTest::addRow("utf-8 feed") << u"{web}/utf8.rdf"_s << true << feed;
    QTest::addRow("euc-jp feed") << u"{web}/euc.rdf"_s << true << feed;
    QTest::addRow("shift_jis feed") << u"{web}/sjis.rdf"_s << true << feed;
    QTest::addRow("iso-2022-jp page") << u"{web}/jis.html"_s << true << page;
    QTest::addRow("euc-jp page") << u"{web}/euc.html"_s << true << page;
    QTest::addRow("shift_jis page") << u"{web}/sjis.html"_s << true << page;
    QTest::addRow("utf-8 page") << u"{web}/utf8.html"_s << true << page;
    QTest::addRow("redirect followed") << u"{web}/moved"_s << true << feed;
    QTest::addRow("txt written unchanged")
        << u"{web}/memo.txt"_s << true << QStringList{u"<b>そのまま</b>\r\n二行目\r\n"_s};
    QTest::addRow("unknown document is a failure") << u"{web}/opml.xml"_s << false << QStringList{};
    QTest::addRow("404") << u"{web}/missing.rdf"_s << false << QStringList{};
    QTest::addRow("unreachable port") << u"{dead}/utf8.rdf"_s << false << QStringList{};
    QTest::addRow("capital HTTP is a local path") << u"HTTP://127.0.0.1/utf8.rdf"_s << false << QStringList{};
}

void TstNewsDownloader::download()
{
    QFETCH(QString, address);
    QFETCH(bool, stamped);
    QFETCH(QStringList, contains);
    QList<TSiteRow> rows{TSiteRow{u"サイト"_s, Address(address), u"Not Updated"_s, true}};
    Run(rows);

    if (stamped)
        QVERIFY(QRegularExpression(u"^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d$"_s)
                    .match(rows[0].FLastUpdate)
                    .hasMatch());
    else
        QCOMPARE(rows[0].FLastUpdate, u"Not Updated"_s);
    const QStringList notes = FilesBelow(FNotes);
    if (contains.isEmpty()) {
        QCOMPARE(notes, QStringList{});
        return;
    }
    QCOMPARE(notes, QStringList{u"RSS News/サイト.txt"_s});
    const QByteArray bytes = ReadFixtureFile(FNotes + notes[0]);
    QCOMPARE(UnicodeToShiftJis(ShiftJisToUnicode(bytes)), bytes); // Shift-JIS throughout
    const QString text = ShiftJisToUnicode(bytes);
    QVERIFY2(text.startsWith(u"<?xml encoding=\"Shift-JIS\"?>\r\n<Title>サイト</Title>\r\n"_s),
             qPrintable(text));
    for (const QString &piece : contains)
        QVERIFY2(text.contains(piece), qPrintable(text));
    QVERIFY(QFile::exists(FWork + u"サイト.RDF"_s));
}

void TstNewsDownloader::makeFolderEmptiesFirst()
{
    QVERIFY(WriteFixtureFile(FNotes + u"RSS News/old 001.txt"_s, "old"));
    QVERIFY(WriteFixtureFile(FNotes + u"keep.txt"_s, "mine"));
    QList<TSiteRow> rows{TSiteRow{u"A"_s, Address(u"{web}/missing"_s), u"Not Updated"_s, true}};
    Run(rows);
    QCOMPARE(FilesBelow(FNotes), QStringList{u"keep.txt"_s});
}

void TstNewsDownloader::makeFolderOffDeletesNothing()
{
    FSettings->FTextDivide_MakeFolder = false;
    QVERIFY(WriteFixtureFile(FNotes + u"RSS News/old 001.txt"_s, "old"));
    QVERIFY(WriteFixtureFile(FNotes + u"keep.txt"_s, "mine"));
    QList<TSiteRow> rows{TSiteRow{u"A"_s, Address(u"{web}/utf8.rdf"_s), u"Not Updated"_s, true}};
    Run(rows);
    QCOMPARE(FilesBelow(FNotes), (QStringList{u"A.txt"_s, u"RSS News/old 001.txt"_s, u"keep.txt"_s}));
}

void TstNewsDownloader::captionStaysInside_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("note");
    QTest::addRow("parent path") << u"../evil"_s << u"RSS News/.. evil.txt"_s;
    QTest::addRow("dot dot") << u".."_s << u"RSS News/news.txt"_s;
    QTest::addRow("empty") << QString() << u"RSS News/news.txt"_s;
    QTest::addRow("refused characters") << u"a:b*c?\"<>|\\d"_s << u"RSS News/a b c      d.txt"_s;
}

void TstNewsDownloader::captionStaysInside()
{
    QFETCH(QString, caption);
    QFETCH(QString, note);
    QList<TSiteRow> rows{TSiteRow{caption, Address(u"{web}/utf8.rdf"_s), u"Not Updated"_s, true}};
    Run(rows);
    QCOMPARE(rows[0].FCaption, caption);
    QCOMPARE(FilesBelow(FNotes), QStringList{note});
    QCOMPARE(FilesBelow(FWork).size(), 1);
    QCOMPARE(FilesBelow(FDir->path()).size(), 2); // the note and the work file, nothing elsewhere
}

void TstNewsDownloader::badSaveFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addRow("empty") << QString();
    QTest::addRow("dot") << u"."_s;
    QTest::addRow("dot dot") << u".."_s;
    QTest::addRow("slash") << u"a/b"_s;
    QTest::addRow("backslash") << u"..\\x"_s;
}

void TstNewsDownloader::badSaveFolder()
{
    QFETCH(QString, folder);
    FSettings->FSaveFolder = folder;
    QVERIFY(WriteFixtureFile(FNotes + u"keep.txt"_s, "mine"));
    QList<TSiteRow> rows{TSiteRow{u"A"_s, Address(u"{web}/utf8.rdf"_s), u"Not Updated"_s, true}};
    TRecordingProgress progress;
    try {
        Run(rows, &progress);
        QFAIL("no error");
    } catch (const ESorvoError &e) {
        QCOMPARE(e.Message(), u"保存先フォルダ名[ %1 ]は使えません"_s.arg(folder));
    }
    QCOMPARE(progress.FRuns.size(), 0);
    QCOMPARE(FilesBelow(FNotes), QStringList{u"keep.txt"_s});
    QCOMPARE(rows[0].FLastUpdate, u"Not Updated"_s);
}

void TstNewsDownloader::commandProgressAndReload()
{
    QList<TSiteRow> rows{TSiteRow{u"一"_s, Address(u"{web}/utf8.rdf"_s), u"Not Updated"_s, false},
                         TSiteRow{u"二"_s, Address(u"{web}/sjis.rdf"_s), u"Not Updated"_s, true}};
    TRecordingProgress progress;
    Run(rows, &progress);
    QCOMPARE(progress.FRuns.size(), 1);
    const TRecordingProgress::TRun &run = progress.FRuns[0];
    QCOMPARE(run.title, u"ダウンロード状況"_s);
    QCOMPARE(run.minimum, 0);
    QCOMPARE(run.maximum, 2);
    QCOMPARE(run.positions, (QList<int>{0, 1}));
    QCOMPARE(run.labels, (QStringList{u"Downloading... 一"_s, u"Downloading... 二"_s}));
    QCOMPARE(rows[0].FLastUpdate, u"Not Updated"_s); // not ticked
    QVERIFY(rows[1].FLastUpdate != u"Not Updated"_s);
    QCOMPARE(FilesBelow(FNotes), QStringList{u"RSS News/二.txt"_s});
    QCOMPARE(FServices.FLoadedTabs, QList<int>{0});
    QCOMPARE(FDialogs.FCalls.size(), 0);
    QCOMPARE(FServices.FStatusTexts, QStringList{u"ニュースをダウンロードしました (メモ 1 件)"_s});
}

void TstNewsDownloader::offlineWarns()
{
    QList<TSiteRow> rows{TSiteRow{u"A"_s, Address(u"{web}/utf8.rdf"_s), u"Not Updated"_s, true}};
    TRecordingProgress progress;
    TNewsDownloader downloader(*FSettings, FDialogs);
    downloader.FWorkFolder = FWork;
    downloader.FIsOnline = [] { return false; };
    downloader.Download(rows, FNotes, progress, &FServices);
    QCOMPARE(FDialogs.Texts(u"warning"_s), QStringList{u"このコンピュータはオンラインではありません!"_s});
    QCOMPARE(FilesBelow(FNotes), QStringList{u"RSS News/A.txt"_s}); // carries on
}

void TstNewsDownloader::cancelStops()
{
    QList<TSiteRow> rows{TSiteRow{u"A"_s, Address(u"{web}/utf8.rdf"_s), u"Not Updated"_s, true},
                         TSiteRow{u"B"_s, Address(u"{web}/sjis.rdf"_s), u"Not Updated"_s, true}};
    TRecordingProgress progress;
    progress.FCancelAtCheck = 1;
    Run(rows, &progress);
    QCOMPARE(rows[1].FLastUpdate, u"Not Updated"_s);
    QVERIFY(!FilesBelow(FNotes).contains(u"RSS News/B.txt"_s));
    QCOMPARE(FServices.FLoadedTabs, QList<int>{0});
}

void TstNewsDownloader::longFeedIsDivided()
{
    FSettings->FMakeWordSize = 150; // about 48 bytes of text per note
    QList<TSiteRow> rows{TSiteRow{u"長い"_s, Address(u"{web}/utf8.rdf"_s), u"Not Updated"_s, true}};
    Run(rows);
    const QStringList notes = FilesBelow(FNotes);
    QVERIFY2(notes.size() >= 2, qPrintable(notes.join(u',')));
    QCOMPARE(notes.first(), u"RSS News/長い 001.txt"_s);
    const QString first = ShiftJisToUnicode(ReadFixtureFile(FNotes + notes.first()));
    QVERIFY(first.contains(u"<A HREF=\"長い 002.txt\">≪次へ≫</A>"_s));
}

void TstNewsDownloader::unreadableSites_data()
{
    // Each must fail at once, named, without waiting on the special file and without a new update time.
    QTest::addColumn<QString>("address");
    QTest::addRow("file address of a FIFO") << u"file://{fifo}"_s;
    QTest::addRow("local path of a FIFO") << u"{fifo}"_s;
    QTest::addRow("file address of a character device") << u"file:///dev/zero"_s;
    QTest::addRow("file address of a folder") << u"file://{dir}"_s;
    QTest::addRow("compressed body") << u"{web}/gzip.rdf"_s;
    QTest::addRow("random bytes") << u"{web}/noise.rdf"_s;
    QTest::addRow("file address of a text file") << u"file://{dir}/secret.txt"_s;
    QTest::addRow("local path of a text file") << u"{dir}/secret.txt"_s;
}

void TstNewsDownloader::unreadableSites()
{
    QFETCH(QString, address);
    const QString fifo = FDir->filePath(u"feed.fifo"_s);
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QVERIFY(WriteFixtureFile(FDir->filePath(u"secret.txt"_s), "user:password\n"));
    address.replace(u"{fifo}"_s, fifo).replace(u"{dir}"_s, FDir->path());
    QList<TSiteRow> rows{TSiteRow{u"サイト"_s, Address(address), u"Not Updated"_s, true}};
    const QStringList failures = Run(rows);
    QCOMPARE(rows[0].FLastUpdate, u"Not Updated"_s);
    QCOMPARE(failures.size(), 1);
    QVERIFY(failures[0].startsWith(u"[ サイト ]を取得できませんでした ("_s));
    QCOMPARE(FilesBelow(FNotes), QStringList{});
    if (!address.startsWith(u"{web}"_s)) // a local file refused leaves nothing in the feed folder either
        QCOMPARE(FilesBelow(FWork), QStringList{});
    QCOMPARE(FServices.FStatusTexts.value(FServices.FStatusTexts.size() - 1),
             u"ニュースをダウンロードしました (メモ 0 件)  ダウンロードできなかったサイト: "_s + failures[0]);
}

void TstNewsDownloader::lostCharactersTold_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("told");
    QTest::addRow("characters Shift-JIS lacks")
        << u"{web}/accents.rdf"_s
        << u"[ サイト ] の次の文字はShift-JISにないため「?」に置き換えました: é ü 한 글"_s;
    QTest::addRow("nothing lost, nothing said") << u"{web}/utf8.rdf"_s << QString();
}

void TstNewsDownloader::lostCharactersTold()
{
    QFETCH(QString, address);
    QFETCH(QString, told);
    QList<TSiteRow> rows{TSiteRow{u"サイト"_s, Address(address), u"Not Updated"_s, true}};
    TRecordingProgress progress;
    TNewsDownloader downloader(*FSettings, FDialogs);
    downloader.FWorkFolder = FWork;
    downloader.FIsOnline = [] { return true; };
    downloader.Download(rows, FNotes, progress, &FServices);
    QCOMPARE(FilesBelow(FNotes), QStringList{u"RSS News/サイト.txt"_s});
    QCOMPARE(downloader.FLostCharacters, told.isEmpty() ? QStringList() : QStringList{told});
    // The status line, the download's result, says it after the count.
    const QString done = u"ニュースをダウンロードしました (メモ 1 件)"_s;
    QCOMPARE(FServices.FStatusTexts.last(), told.isEmpty() ? done : done + u"  "_s + told);
}

void TstNewsDownloader::oldNotesStayUntilReplaced_data()
{
    // Site A has a new feed; the user stops the run before site B, or B's download fails.
    QTest::addColumn<int>("cancelAtCheck");
    QTest::addColumn<QString>("addressB");
    QTest::addColumn<QStringList>("notes");
    QTest::addRow("stopped: B keeps its note, nothing else goes")
        << 1 << u"{web}/sjis.rdf"_s
        << QStringList{u"RSS News/A.txt"_s, u"RSS News/B 001.txt"_s, u"RSS News/B 002.txt"_s,
                       u"RSS News/gone.txt"_s};
    QTest::addRow("B failed: B keeps its note, the rest is this run's")
        << -1 << u"{web}/missing.rdf"_s
        << QStringList{u"RSS News/A.txt"_s, u"RSS News/B 001.txt"_s, u"RSS News/B 002.txt"_s};
    QTest::addRow("complete: only this run's notes")
        << -1 << u"{web}/sjis.rdf"_s << QStringList{u"RSS News/A.txt"_s, u"RSS News/B.txt"_s};
}

void TstNewsDownloader::oldNotesStayUntilReplaced()
{
    QFETCH(int, cancelAtCheck);
    QFETCH(QString, addressB);
    QFETCH(QStringList, notes);
    QVERIFY(WriteFixtureFile(FNotes + u"RSS News/A.txt"_s, "old A"));
    QVERIFY(WriteFixtureFile(FNotes + u"RSS News/B 001.txt"_s, "old B 1"));
    QVERIFY(WriteFixtureFile(FNotes + u"RSS News/B 002.txt"_s, "old B 2"));
    QVERIFY(WriteFixtureFile(FNotes + u"RSS News/gone.txt"_s, "a site no longer listed"));
    QList<TSiteRow> rows{TSiteRow{u"A"_s, Address(u"{web}/utf8.rdf"_s), u"Not Updated"_s, true},
                         TSiteRow{u"B"_s, Address(addressB), u"Not Updated"_s, true}};
    TRecordingProgress progress;
    progress.FCancelAtCheck = cancelAtCheck;
    Run(rows, &progress);
    QCOMPARE(FilesBelow(FNotes), notes);
    if (cancelAtCheck < 0)
        QVERIFY(ReadFixtureFile(FNotes + u"RSS News/A.txt"_s) != "old A"); // replaced by the new one
    if (notes.contains(u"RSS News/B 001.txt"_s))
        QCOMPARE(ReadFixtureFile(FNotes + u"RSS News/B 001.txt"_s), QByteArray("old B 1"));
}

QTEST_GUILESS_MAIN(TstNewsDownloader)
#include "tst_newsdownloader.moc"
