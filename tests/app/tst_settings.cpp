#include "app/settings.h"
#include "common/japanese.h"
#include "common/sorvoerror.h"

#include "fixturefiles.h"
#include "smalldisk.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstSettings : public QObject
{
    Q_OBJECT
private slots:
    void defaultsWithoutFile();
    void firstSaveWritesEveryKey();
    void roundTrip();
    void unknownSectionDropped();
    void oneSiteList();
    void badValuesGiveDefaults();
    void caseInsensitiveKeys();
    void saveFailureRaises();
    void siteRows_data();
    void siteRows();
    void emptyViewKeepsList();
    void foreignFileLeftAlone_data();
    void foreignFileLeftAlone();
    void readOnlyFileNotReplaced();
    void emptyFileIsWritten();
    void fullDiskKeepsOldFile();
    void longFile();
    void changesMergedIntoTheFile();
};

void TstSettings::defaultsWithoutFile()
{
    QTemporaryDir dir;
    TKiruIPodINI ini(dir.filePath(u"Velmor.INI"_s));
    QCOMPARE(ini.FMain_X, (1024 - 594) / 2);
    QCOMPARE(ini.FMain_Y, (768 - 385) / 2);
    QCOMPARE(QSize(ini.FMain_W, ini.FMain_H), QSize(594, 385));
    QCOMPARE(ini.FTView_X, (1024 - 400) / 2);
    QCOMPARE(ini.FPView_Y, (768 - 400) / 2);
    QCOMPARE(ini.FMakeWordSize, 4050);
    QCOMPARE(ini.FSongFind_Type, 2);
    QCOMPARE(ini.FSaveFolder, u"RSS News"_s);
    QVERIFY(ini.FMakeFolder_Artist);
    QVERIFY(!ini.FRecognize_MakeFolder);
    QVERIFY(ini.FTextDivide_MakeFolder);
    QVERIFY(!ini.FCopyright);
    QVERIFY(!ini.FSongCopy_EmbedTags); // copies stay byte-identical unless asked
    QVERIFY(!ini.FVideoCopy_EmbedTags);
    QCOMPARE(ini.FSiteList.size(), 5);
    QVERIFY(ini.FSiteList[0].startsWith(u"日経デジタルARENA;http"_s));
    QVERIFY(ini.FSiteList[4].startsWith(u"AllAboutJapan;"_s));
    QVERIFY(ini.FSiteList[4].endsWith(u";Not Updated"_s));
    QVERIFY(!QFileInfo::exists(dir.filePath(u"Velmor.INI"_s))); // reading never writes

    TKiruIPodINI wide(dir.filePath(u"Velmor.INI"_s), QSize(1920, 1080), QSize(700, 450));
    QCOMPARE(wide.FMain_X, (1920 - 700) / 2);
    QCOMPARE(QSize(wide.FMain_W, wide.FMain_H), QSize(700, 450));
}

void TstSettings::firstSaveWritesEveryKey()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Velmor.INI"_s);
    {
        TKiruIPodINI ini(path);
        ini.FCopyright = true;
        ini.Save();
    }
    QByteArray bytes = ReadFixtureFile(path);
    QVERIFY(bytes.startsWith("[Positions]\r\nMain_X=215\r\n"));
    QVERIFY(!bytes.replace("\r\n", "").contains('\n'));
    const QString text = ShiftJisToUnicode(ReadFixtureFile(path));
    const QStringList sections = {u"[Positions]"_s, u"[SongCopy]"_s,  u"[VideoCopy]"_s, u"[TextDivide]"_s,
                                  u"[SongFind]"_s,  u"[Copyright]"_s, u"[Internet]"_s,  u"[Recognize]"_s,
                                  u"[PhotoCopy]"_s, u"[Photos]"_s,    u"[RSSURLData]"_s};
    qsizetype last = -1;
    for (const QString &s : sections) {
        const qsizetype at = text.indexOf(s);
        QVERIFY2(at > last, qPrintable(s));
        last = at;
    }
    QVERIFY(text.contains(u"\r\nCopyright=1\r\n"_s));
    QVERIFY(text.contains(u"\r\nMakeWordSize=4050\r\n"_s));
    QVERIFY(text.contains(u"\r\nSaveFolder=RSS News\r\n"_s));
    QVERIFY(text.contains(u"\r\nCount=4\r\n"_s));
    QVERIFY(text.contains(u"\r\nNo.0=日経デジタルARENA;"_s));
    QVERIFY(ReadFixtureFile(path).contains(UnicodeToShiftJis(u"日経デジタルARENA"_s)));
    QCOMPARE(text.count(u"MakeFolder="_s), 2);
    QCOMPARE(text.count(u"\r\nEmbedTags=0\r\n"_s), 2);
    QCOMPARE(text.count(u"\r\nType="_s), 3);
}

void TstSettings::roundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Velmor.INI"_s);
    {
        TKiruIPodINI ini(path);
        ini.FMain_X = -20;
        ini.FMain_W = 1000;
        ini.FMain_H = 700;
        ini.FSongCopy_Folder = u"/home/ユーザー/音楽"_s;
        ini.FPhotoCopy_Folder = u"/photos"_s;
        ini.FRecognize_MakeFolder = true;
        ini.FTextDivide_MakeFolder = false;
        ini.FPhotoCopy_Type = 2;
        ini.FSongFind_Type = 1;
        ini.FMakeWordSize = 1000;
        ini.FText = u"検索"_s;
        ini.FVideoCopy_EmbedTags = true;
        ini.Save();
    }
    TKiruIPodINI again(path);
    QCOMPARE(again.FMain_X, -20);
    QCOMPARE(QSize(again.FMain_W, again.FMain_H), QSize(1000, 700));
    QCOMPARE(again.FSongCopy_Folder, u"/home/ユーザー/音楽"_s);
    QCOMPARE(again.FPhotoCopy_Folder, u"/photos"_s);
    QVERIFY(again.FRecognize_MakeFolder);
    QVERIFY(!again.FTextDivide_MakeFolder);
    QCOMPARE(again.FPhotoCopy_Type, 2);
    QCOMPARE(again.FSongFind_Type, 1);
    QCOMPARE(again.FPhotos_Type, 0);
    QCOMPARE(again.FMakeWordSize, 1000);
    QCOMPARE(again.FText, u"検索"_s);
    QVERIFY(!again.FSongCopy_EmbedTags);
    QVERIFY(again.FVideoCopy_EmbedTags);
    QCOMPARE(again.FSiteList, TKiruIPodINI::DefaultSiteList());
}

void TstSettings::unknownSectionDropped()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Velmor.INI"_s);
    QVERIFY(WriteFixtureFile(path, "[Mine]\r\nA=1\r\n[SongCopy]\r\nAddTrackNo=1\r\nExtra=2\r\n"));
    TKiruIPodINI ini(path);
    QVERIFY(ini.FAddTrackNo);
    ini.Save();
    const QByteArray bytes = ReadFixtureFile(path);
    QVERIFY(!bytes.contains("[Mine]"));
    QVERIFY(!bytes.contains("Extra="));
    QVERIFY(bytes.contains("AddTrackNo=1\r\n"));
}

void TstSettings::oneSiteList()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Velmor.INI"_s);
    QVERIFY(WriteFixtureFile(
        path, UnicodeToShiftJis(u"[RSSURLData]\r\nCount=0\r\nNo.0=サイト;http://a/;Not Updated;0;\r\n"_s)));
    TKiruIPodINI ini(path);
    QCOMPARE(ini.FSiteList, QStringList{u"サイト;http://a/;Not Updated;0;"_s});
    ini.Save();
    TKiruIPodINI again(path);
    QCOMPARE(again.FSiteList, ini.FSiteList);
    QVERIFY(ReadFixtureFile(path).contains("Count=0\r\n"));
}

void TstSettings::badValuesGiveDefaults()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Velmor.INI"_s);
    QVERIFY(WriteFixtureFile(path, "[TextDivide]\r\nMakeWordSize=abc\r\nMakePageNo=0\r\nMakeLink=7\r\n"
                                   "[RSSURLData]\r\nCount=-1\r\n"));
    TKiruIPodINI ini(path);
    QCOMPARE(ini.FMakeWordSize, 4050);
    QVERIFY(!ini.FMakePageNo);
    QVERIFY(ini.FMakeLink);
    QCOMPARE(ini.FSiteList.size(), 5); // a negative count keeps the default list
}

void TstSettings::caseInsensitiveKeys()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Velmor.INI"_s);
    QVERIFY(WriteFixtureFile(path, "[songcopy]\r\nmakingnametype=3\r\n[INTERNET]\r\nSAVEFOLDER = News \r\n"));
    TKiruIPodINI ini(path);
    QCOMPARE(ini.FMakingNameType, 3);
    QCOMPARE(ini.FSaveFolder, u"News"_s);
}

void TstSettings::saveFailureRaises()
{
    QTemporaryDir dir;
    QVERIFY(WriteFixtureFile(dir.filePath(u"file"_s), "x"));
    TKiruIPodINI ini(dir.filePath(u"file/Velmor.INI"_s)); // a file where the folder should be
    QVERIFY_THROWS_EXCEPTION(ESorvoError, ini.Save());
}

void TstSettings::siteRows_data()
{
    QTest::addColumn<QStringList>("sites");
    QTest::addColumn<QList<TSiteRow>>("rows");
    QTest::addRow("default line is ticked")
        << QStringList{u"朝日;http://a/;Not Updated"_s}
        << QList<TSiteRow>{{u"朝日"_s, u"http://a/"_s, u"Not Updated"_s, true}};
    QTest::addRow("ticks 1 and 0") << QStringList{u"a;u1;d1;1;"_s, u"b;u2;d2;0;"_s}
                                   << QList<TSiteRow>{{u"a"_s, u"u1"_s, u"d1"_s, true},
                                                      {u"b"_s, u"u2"_s, u"d2"_s, false}};
    QTest::addRow("line without separator not shown")
        << QStringList{u"broken"_s, u"c;u;d;1;"_s} << QList<TSiteRow>{{u"c"_s, u"u"_s, u"d"_s, true}};
}

void TstSettings::siteRows()
{
    QFETCH(QStringList, sites);
    QFETCH(QList<TSiteRow>, rows);
    QList<TSiteRow> view{{u"old"_s, {}, {}, false}};
    FillSiteRows(sites, view);
    QCOMPARE(view, rows);
    QStringList stored{u"x"_s};
    StoreSiteRows(view, stored);
    QCOMPARE(stored.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        QCOMPARE(stored[i], rows[i].FCaption + u';' + rows[i].FAddress + u';' + rows[i].FLastUpdate + u';' +
                                (rows[i].FTicked ? u"1;"_s : u"0;"_s));
}

void TstSettings::emptyViewKeepsList()
{
    QStringList sites{u"a;b;c;1;"_s};
    StoreSiteRows({}, sites);
    QCOMPARE(sites, QStringList{u"a;b;c;1;"_s});
    QList<TSiteRow> view{{u"keep"_s, {}, {}, true}};
    FillSiteRows({}, view);
    QCOMPARE(view.size(), 1);
}

void TstSettings::foreignFileLeftAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray binary(1 << 20, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(binary.data()), binary.size() / 4);
    QTest::addRow("JPEG photo") << (QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00") +
                                    QByteArray(5000, '\x7F'));
    QTest::addRow("binary") << binary;
    QTest::addRow("text without our sections")
        << QByteArray("Dear diary,\r\ntoday=sunny\r\n[Mine]\r\nA=1\r\n");
    QTest::addRow("our section, then NULs")
        << (QByteArray("[SongCopy]\r\nAddTrackNo=1\r\n") + QByteArray(3, '\0'));
    QTest::addRow("larger than any settings file")
        << (QByteArray("[SongCopy]\r\n") + QByteArray(17 << 20, ' '));
}

void TstSettings::foreignFileLeftAlone()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"photo.jpg"_s);
    QVERIFY(WriteFixtureFile(path, bytes));
    TKiruIPodINI ini(path);
    QVERIFY(ini.LoadWarning().contains(u"設定ファイルではありません"_s));
    QVERIFY(!ini.CanSave());
    QVERIFY(!ini.FAddTrackNo); // defaults
    QCOMPARE(ini.FSiteList.size(), 5);
    ini.FCopyright = true;
    QVERIFY_THROWS_EXCEPTION(ESorvoError, ini.Save());
    QVERIFY(ReadFixtureFile(path) == bytes);
    QCOMPARE(FolderEntries(dir.path()), QStringList{u"photo.jpg"_s});
}

void TstSettings::readOnlyFileNotReplaced()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Velmor.INI"_s);
    const QByteArray bytes = "[SongCopy]\r\nAddTrackNo=1\r\n";
    QVERIFY(WriteFixtureFile(path, bytes));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser | QFile::ReadOther));
    TKiruIPodINI ini(path);
    QVERIFY(ini.FAddTrackNo); // read as usual
    QVERIFY(ini.LoadWarning().contains(u"書き込みできません"_s));
    ini.FAddTrackNo = false;
    QVERIFY_THROWS_EXCEPTION(ESorvoError, ini.Save());
    QCOMPARE(ReadFixtureFile(path), bytes);
}

void TstSettings::emptyFileIsWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Velmor.INI"_s);
    QVERIFY(WriteFixtureFile(path, QByteArray()));
    TKiruIPodINI ini(path);
    QVERIFY(ini.LoadWarning().isEmpty());
    ini.Save();
    QVERIFY(ReadFixtureFile(path).contains("[SongCopy]"));
}

void TstSettings::fullDiskKeepsOldFile()
{
    TSmallDisk disk(256 * 1024);
    if (!disk.Mounted())
        QSKIP("a small file system can only be mounted by root");
    const QString path = disk.FilePath(u"Velmor.INI"_s);
    const QByteArray bytes = "[SongCopy]\r\nAddTrackNo=1\r\n";
    QVERIFY(WriteFixtureFile(path, bytes));
    TKiruIPodINI ini(path);
    ini.FText = QString(200000, u'x'); // more than the disk holds
    disk.Fill();
    QVERIFY_THROWS_EXCEPTION(ESorvoError, ini.Save());
    QCOMPARE(ReadFixtureFile(path), bytes);
    QCOMPARE(FolderEntries(disk.Path()), (QStringList{u"Velmor.INI"_s, u"filler"_s}));
}

void TstSettings::longFile()
{
    // One hundred thousand site lines and as many stray keys: every line is read, the last value wins.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Velmor.INI"_s);
    const int count = 100000;
    QByteArray bytes = "[RSSURLData]\r\nCount=" + QByteArray::number(count - 1) + "\r\n";
    for (int i = 0; i < count; ++i)
        bytes += "No." + QByteArray::number(i) + "=s" + QByteArray::number(i) + ";http://a/;x;1;\r\n";
    bytes += "[Mine]\r\n";
    for (int i = 0; i < count; ++i)
        bytes += "K" + QByteArray::number(i) + "=1\r\n";
    bytes += "[SongCopy]\r\nAddTrackNo=0\r\naddtrackno=1\r\n";
    QVERIFY(WriteFixtureFile(path, bytes));
    TKiruIPodINI ini(path);
    QCOMPARE(ini.FSiteList.size(), count);
    QCOMPARE(ini.FSiteList.last(), u"s99999;http://a/;x;1;"_s);
    QVERIFY(ini.FAddTrackNo);

    // A count far past the lines present reads what is there.
    QVERIFY(WriteFixtureFile(path, "[RSSURLData]\r\nCount=2000000000\r\nNo.0=a;b;c;1;\r\n"));
    TKiruIPodINI huge(path);
    QCOMPARE(huge.FSiteList, QStringList{u"a;b;c;1;"_s});
}

void TstSettings::changesMergedIntoTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Velmor.INI"_s);
    {
        TKiruIPodINI first(path);
        first.FSiteList = {u"Keep;http://keep/;Not Updated;1;"_s, u"Gone;http://gone/;Not Updated;1;"_s,
                           u"Tick;http://tick/;Not Updated;1;"_s};
        first.Save();
    }
    TKiruIPodINI window(path); // read at start, saved at exit
    {
        // Another run changes the file meanwhile.
        TKiruIPodINI other(path);
        other.FSiteList << u"Added by the other;http://other/;Not Updated;1;"_s;
        other.FSongCopy_Folder = u"/other"_s;
        other.FText = u"other's"_s;
        other.Save();
    }
    window.FText = u"window's"_s;    // changed by both: the later save wins
    window.FMakeFolder_Album = true; // changed here only
    window.FSiteList.removeAt(1);    // "Gone" removed here
    window.FSiteList[1] = u"Tick;http://tick/;2026/12/01;0;"_s;
    window.FSiteList << u"Added here;http://here/;Not Updated;1;"_s;
    window.SaveChanges();
    const TKiruIPodINI after(path);
    QCOMPARE(after.FSongCopy_Folder, u"/other"_s);
    QCOMPARE(after.FText, u"window's"_s);
    QVERIFY(after.FMakeFolder_Album);
    QCOMPARE(after.FSiteList,
             (QStringList{u"Keep;http://keep/;Not Updated;1;"_s, u"Tick;http://tick/;2026/12/01;0;"_s,
                          u"Added by the other;http://other/;Not Updated;1;"_s,
                          u"Added here;http://here/;Not Updated;1;"_s}));
    // Nothing changed here since: a second save keeps what another run writes next.
    {
        TKiruIPodINI other(path);
        other.FSongCopy_Folder = u"/later"_s;
        other.Save();
    }
    window.SaveChanges();
    QCOMPARE(TKiruIPodINI(path).FSongCopy_Folder, u"/later"_s);
}

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
