#include "audiofilewriter.h"
#include "fixturefiles.h"
#include "music/itunesdbloader.h"
#include "music/musicfolderscan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::Literals::StringLiterals;
using namespace AudioFileWriter;

using TFiles = QList<std::pair<QString, QByteArray>>;
Q_DECLARE_METATYPE(TFiles)

namespace {

QByteArray TaggedMp3(const QString &title, int bitRateIndex = 9)
{
    return TId3v2Writer(3).Text("TIT2", 0, title).Text("TPE1", 0, u"Artist"_s).Build() +
           MpegAudio(64000, bitRateIndex);
}

// "track id|location|title|kind|length|bit rate"
QString Describe(const TITBSongItem &s)
{
    return u"%1|%2|%3|%4|%5|%6"_s.arg(s.FTrackID)
        .arg(s.Location(), s.Title(), s.Kind())
        .arg(s.FLength)
        .arg(s.FBitRate);
}

} // namespace

class TstMusicFolderScan : public QObject
{
    Q_OBJECT
private slots:
    void scan_data();
    void scan();
    void keepsEarlierSongsAndReportsFolders();
    void failureNamesTopEntry();
    void pipeIsNeverOpened();
};

void TstMusicFolderScan::scan_data()
{
    QTest::addColumn<TFiles>("files"); // below <root>/Music
    QTest::addColumn<QStringList>("songs");

    QTest::addRow("empty folder") << TFiles{} << QStringList{};
    QTest::addRow("picture and untagged file are counted")
        << TFiles{{u"a.jpg"_s, QByteArray(3000, '\xD8')},
                  {u"b.mp3"_s, MpegAudio(64000)},
                  {u"c.mp3"_s, TaggedMp3(u"Song C"_s)}}
        << QStringList{u"3|Music:c.mp3|Song C|MPEG オーディオファイル|4000|128"_s};
    QTest::addRow("WMA with and without title")
        << TFiles{{u"t.WMA"_s, WmaFile({WmaContentDescription(u"Titled"_s, u"A"_s, {}, {})})},
                  {u"u.wma"_s, WmaFile({WmaContentDescription({}, u"A"_s, {}, {})})}}
        << QStringList{u"1|Music:t.WMA|Titled|WindowsMediaAudio|1000|64"_s};
    QTest::addRow("depth first in name order")
        << TFiles{{u"b/z.mp3"_s, TaggedMp3(u"bz"_s)},
                  {u"a.mp3"_s, TaggedMp3(u"a"_s)},
                  {u"b/a/x.mp3"_s, TaggedMp3(u"bax"_s)},
                  {u"c.mp3"_s, TaggedMp3(u"c"_s)}}
        << QStringList{u"1|Music:a.mp3|a|MPEG オーディオファイル|4000|128"_s,
                       u"2|Music:b:a:x.mp3|bax|MPEG オーディオファイル|4000|128"_s,
                       u"3|Music:b:z.mp3|bz|MPEG オーディオファイル|4000|128"_s,
                       u"4|Music:c.mp3|c|MPEG オーディオファイル|4000|128"_s};
    QTest::addRow("bit rate below 48 dropped")
        << TFiles{{u"low.mp3"_s, TaggedMp3(u"low"_s, 2)}, {u"ok.mp3"_s, TaggedMp3(u"ok"_s, 3)}}
        << QStringList{u"2|Music:ok.mp3|ok|MPEG オーディオファイル|10000|48"_s};
    TMp4Contents mp4;
    mp4.Title = u"AAC"_s;
    mp4.Duration = 30000;
    mp4.MdatBytes = 400000;
    QTest::addRow("MPEG-4 song kept")
        << TFiles{{u"song.m4a"_s, Mp4File(mp4)}}
        << QStringList{u"1|Music:song.m4a|AAC|AAC オーディオファイル|30000|%1"_s.arg(Mp4File(mp4).size() * 8 /
                                                                                     30000)};
    QTest::addRow("empty file dropped") << TFiles{{u"e.mp3"_s, QByteArray()}} << QStringList{};
}

void TstMusicFolderScan::scan()
{
    QFETCH(TFiles, files);
    QFETCH(QStringList, songs);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(u"Music"_s));
    for (const auto &[name, bytes] : files)
        QVERIFY(WriteFixtureFile(root.filePath(u"Music/"_s + name), bytes));

    TITunesDBLoader loader;
    ScanMusicFolder(loader, root.filePath(u"Music"_s), root.path());
    QStringList actual;
    for (const auto &song : loader.FSongs) {
        actual << Describe(*song);
        QCOMPARE(song->FSize, QFileInfo(root.path() + u'/' + song->Location().replace(u':', u'/')).size());
        QCOMPARE(song->FYear, 2000);
    }
    QCOMPARE(actual, songs);
}

void TstMusicFolderScan::keepsEarlierSongsAndReportsFolders()
{
    QTemporaryDir root;
    QVERIFY(WriteFixtureFile(root.filePath(u"M/sub/x.mp3"_s), TaggedMp3(u"x"_s)));
    TITunesDBLoader loader;
    TITBSongItem &earlier = loader.FSongs.AddNew();
    earlier.SetTitle(u"earlier"_s);
    earlier.FLength = 1000;
    earlier.FBitRate = 128;
    earlier.FSize = 1;
    QStringList messages;
    loader.FOnProgress = [&](qint64, qint64, const QString &m) { messages << m; };

    ScanMusicFolder(loader, root.filePath(u"M"_s), root.path());
    QCOMPARE(loader.FSongs.Count(), 2);
    QCOMPARE(loader.FSongs.Items(0).Title(), u"earlier"_s);
    QCOMPARE(loader.FSongs.Items(1).Location(), u"M:sub:x.mp3"_s);
    QCOMPARE(messages,
             (QStringList{
                 u"曲情報を取得中 - [ %1 ]"_s.arg(QDir::toNativeSeparators(root.filePath(u"M/"_s))),
                 u"曲情報を取得中 - [ %1 ]"_s.arg(QDir::toNativeSeparators(root.filePath(u"M/sub/"_s)))}));
}

void TstMusicFolderScan::failureNamesTopEntry()
{
    QTemporaryDir root;
    QVERIFY(WriteFixtureFile(root.filePath(u"M/a.mp3"_s), TaggedMp3(u"a"_s)));
    QVERIFY(WriteFixtureFile(root.filePath(u"M/b/c/ok.mp3"_s), TaggedMp3(u"ok"_s)));
    // A link to nowhere is listed but cannot be opened.
    QVERIFY(QFile::link(root.filePath(u"nowhere.mp3"_s), root.filePath(u"M/b/c/x.mp3"_s)));

    TITunesDBLoader loader;
    try {
        ScanMusicFolder(loader, root.filePath(u"M"_s), root.path());
        QFAIL("no exception");
    } catch (const TITBException &e) {
        QCOMPARE(e.Message(), u"フォルダ[ %1 ]でファイル[ b ]の取得に失敗しました"_s.arg(
                                  QDir::toNativeSeparators(root.filePath(u"M/"_s))));
    }
    // Songs read before the failure stay, unfiltered.
    QCOMPARE(loader.FSongs.Count(), 2);
}

// A pipe left in the music folder would block the scan forever if it were opened like a song.
void TstMusicFolderScan::pipeIsNeverOpened()
{
#ifdef Q_OS_UNIX
    QTemporaryDir root;
    QVERIFY(WriteFixtureFile(root.filePath(u"M/a.mp3"_s), TaggedMp3(u"a"_s)));
    QVERIFY(WriteFixtureFile(root.filePath(u"M/c.mp3"_s), TaggedMp3(u"c"_s)));
    QCOMPARE(::mkfifo(QFile::encodeName(root.filePath(u"M/b.mp3"_s)).constData(), 0600), 0);

    TITunesDBLoader loader;
    ScanMusicFolder(loader, root.filePath(u"M"_s), root.path());
    QCOMPARE(loader.FSongs.Count(), 2);
    QCOMPARE(loader.FSongs.Items(1).Location(), u"M:c.mp3"_s);
    QCOMPARE(loader.FSongs.Items(1).FTrackID, 3); // the pipe keeps its place in the numbering
#else
    QSKIP("no pipes in the file system here");
#endif
}

QTEST_GUILESS_MAIN(TstMusicFolderScan)
#include "tst_musicfolderscan.moc"
