#include "common/paths.h"

#include "fixturefiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

class TstPaths : public QObject
{
    Q_OBJECT
private slots:
    void folderText_data();
    void folderText();
    void matchExtensionList_data();
    void matchExtensionList();
    void sanitize();
    void uniqueName();
    void uniqueNameExhausted();
    void deleteTreeWithReadOnlyFilesAndLinks();
    void deleteTreeFailsOnReadOnlyFolder();
    void fileSize();
};

void TstPaths::folderText_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addRow("normalize trims and adds")
        << u"normalize"_s << u" /home/a/Music "_s << u"/home/a/Music/"_s;
    QTest::addRow("normalize keeps one") << u"normalize"_s << u"/m/"_s << u"/m/"_s;
    QTest::addRow("normalize empty") << u"normalize"_s << u""_s << u""_s;
    QTest::addRow("add no trim") << u"add"_s << u" a"_s << u" a/"_s;
    QTest::addRow("add empty") << u"add"_s << u""_s << u""_s;
    QTest::addRow("trim one") << u"trim"_s << u" /m/x// "_s << u"/m/x/"_s;
    QTest::addRow("trim none") << u"trim"_s << u"/m/x"_s << u"/m/x"_s;
    QTest::addRow("trim keeps root") << u"trim"_s << u"/"_s << u"/"_s;
    QTest::addRow("trim keeps drive root") << u"trim"_s << u"E:/"_s << u"E:/"_s;
    QTest::addRow("trim drive") << u"trim"_s << u"E:"_s << u"E:"_s;
    QTest::addRow("trim empty") << u"trim"_s << u""_s << u""_s;
    QTest::addRow("colon to delimiter")
        << u"colon"_s << u":iPod_Control:Music:F00:A.mp3"_s << u"/iPod_Control/Music/F00/A.mp3"_s;
}

void TstPaths::folderText()
{
    QFETCH(QString, function);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QString actual;
    if (function == u"normalize"_s)
        actual = NormalizeFolder(input);
    else if (function == u"add"_s)
        actual = AddPathDelim(input);
    else if (function == u"trim"_s)
        actual = TrimPathDelim(input);
    else
        actual = ColonToPathDelim(input);
    QCOMPARE(actual, expected);
}

void TstPaths::matchExtensionList_data()
{
    const QString list = u"*.txt;*.c;*.pas;*.h;*.cpp;*.cs;*.vhd;"_s;
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("expected");
    QTest::addRow("upper-case extension") << u"a.TXT"_s << list << true;
    QTest::addRow("path with dots") << u"/x.y/b.cpp"_s << list << true;
    QTest::addRow("no extension") << u"README"_s << list << false;
    QTest::addRow("no extension, star in list") << u"README"_s << u"*;"_s << false;
    QTest::addRow("ending in a dot") << u"a."_s << u"*.;"_s << false;
    QTest::addRow("last piece without semicolon") << u"a.vhd"_s << u"*.txt;*.vhd"_s << false;
    QTest::addRow("other extension") << u"a.txt2"_s << list << false;
}

void TstPaths::matchExtensionList()
{
    QFETCH(QString, name);
    QFETCH(QString, list);
    QFETCH(bool, expected);
    QCOMPARE(MatchExtensionList(name, list), expected);
}

void TstPaths::sanitize()
{
    QCOMPARE(SanitizeFileName(u"a\\b?c/d\"e;f:g,h<i>j*k|l.mp3"_s), u"a b c d e f g h i j k l.mp3"_s);
    QCOMPARE(SanitizeFileNameNoDot(u"Mr. Big: Live"_s), u"Mr  Big  Live"_s);
    // Control characters from tags: refused by FAT and Windows, and a line break or escape in a name.
    const QString controls = u"a"_s + QChar(0) + u"b\nc\rd\te"_s + QChar(0x1B) + u"[31mf"_s + QChar(1) +
                             u"g"_s + QChar(0x7F) + u"h"_s;
    QCOMPARE(SanitizeFileName(controls + u".mp3"_s), u"a b c d e [31mf g h.mp3"_s);
    QCOMPARE(SanitizeFileNameNoDot(controls), u"a b c d e [31mf g h"_s);
}

void TstPaths::uniqueName()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"song.mp3"_s);
    QVERIFY(WriteFixtureFile(path, "x"));
    QCOMPARE(MakeUniqueFileName(path), dir.filePath(u"song(2).mp3"_s));
    QVERIFY(WriteFixtureFile(dir.filePath(u"song(2).mp3"_s), "x"));
    QCOMPARE(MakeUniqueFileName(path), dir.filePath(u"song(3).mp3"_s));
    QCOMPARE(MakeUniqueFileName(dir.filePath(u"noext"_s)), dir.filePath(u"noext(2)"_s));
}

void TstPaths::uniqueNameExhausted()
{
    QTemporaryDir dir;
    for (int n = 2; n <= 99; ++n)
        QVERIFY(WriteFixtureFile(dir.filePath(u"a(%1).txt"_s.arg(n)), "x"));
    QCOMPARE(MakeUniqueFileName(dir.filePath(u"a.txt"_s)), QString());
}

void TstPaths::deleteTreeWithReadOnlyFilesAndLinks()
{
    QTemporaryDir dir;
    const QString outside = dir.filePath(u"outside"_s);
    QVERIFY(WriteFixtureFile(outside + u"/keep.txt"_s, "keep"));
    const QString tree = dir.filePath(u"tree"_s);
    QVERIFY(WriteFixtureFile(tree + u"/a.txt"_s, "a"));
    QVERIFY(WriteFixtureFile(tree + u"/sub/.hidden"_s, "h"));
    QVERIFY(WriteFixtureFile(tree + u"/sub/deeper/ro.txt"_s, "r"));
    QVERIFY(QFile::setPermissions(tree + u"/sub/deeper/ro.txt"_s, QFileDevice::ReadOwner));
    QVERIFY(QFile::link(outside, tree + u"/sub/link"_s));
    QVERIFY(QFile::link(outside + u"/keep.txt"_s, tree + u"/filelink"_s));

    QVERIFY(DeleteFolderTree(tree + u'/'));
    QVERIFY(!QFileInfo::exists(tree));
    QCOMPARE(ReadFixtureFile(outside + u"/keep.txt"_s), QByteArray("keep"));
}

void TstPaths::deleteTreeFailsOnReadOnlyFolder()
{
    if (::geteuid() == 0)
        QSKIP("root may delete anything");
    QTemporaryDir dir;
    const QString tree = dir.filePath(u"tree"_s);
    QVERIFY(WriteFixtureFile(tree + u"/locked/file.txt"_s, "x"));
    QVERIFY(QFile::setPermissions(tree + u"/locked"_s, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    bool result = true;
    QT_TRY
    {
        result = DeleteFolderTree(tree);
    }
    QT_CATCH(...)
    {
        QFAIL("must report by result");
    }
    QVERIFY(!result);
    QVERIFY(QFileInfo::exists(tree + u"/locked/file.txt"_s));
    QFile::setPermissions(tree + u"/locked"_s,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TstPaths::fileSize()
{
    QTemporaryDir dir;
    QVERIFY(WriteFixtureFile(dir.filePath(u"f"_s), QByteArray(1234, 'x')));
    QCOMPARE(GetFileSize64(dir.filePath(u"f"_s)), 1234);
    QCOMPARE(GetFileSize64(dir.filePath(u"missing"_s)), 0);
    QCOMPARE(GetFileSize64(dir.path()), 0);
}

QTEST_GUILESS_MAIN(TstPaths)
#include "tst_paths.moc"
