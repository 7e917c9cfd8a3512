#include "notes/memodivider.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/sorvoerror.h"
#include "fixturefiles.h"
#include "notefiles.h"
#include "scripteddialogs.h"
#include "smalldisk.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

TKiruMemoDivider MakeDivider(const QString &title, int mode, int size, bool allOn)
{
    TKiruMemoDivider d;
    d.Title = title;
    d.MakeDivMode = MemoDivModeFromSetting(mode);
    d.MakeWordSize = size;
    d.MakeLink = d.MakePageNo = d.AddEncoded = d.AddTitle = allOn;
    return d;
}

TKiruStringList LinesOf(const QByteArray &bytes)
{
    TKiruStringList l;
    l.SetText(bytes);
    return l;
}

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

/// The text lines of a page: what stays once the added lines are taken off.
QList<QByteArray> PageText(const QString &path, int headers, bool link)
{
    QList<QByteArray> lines = SplitTextLines(ReadFixtureFile(path));
    lines = lines.mid(headers);
    if (link)
        lines.removeLast();
    return lines;
}

class TFakeDivideDialog : public IMemoDivideDialog
{
public:
    bool Execute(TMemoDivideOptions &options) override
    {
        ++FShown;
        FSeenTitle = options.Title;
        options.MakeFolder = false;
        options.Title = FNewTitle.isEmpty() ? options.Title : FNewTitle;
        return FConfirm;
    }
    bool FConfirm = true;
    int FShown = 0;
    QString FSeenTitle;
    QString FNewTitle;
};

} // namespace

class TstMemoDivider : public QObject
{
    Q_OBJECT
private slots:
    void budget_data();
    void budget();
    void singleNote();
    void lineMode_data();
    void lineMode();
    void lineModeTooLong_data();
    void lineModeTooLong();
    void failedWriteLeavesNothing_data();
    void failedWriteLeavesNothing();
    void failedWriteKeepsOldNote_data();
    void failedWriteKeepsOldNote();
    void charModes_data();
    void charModes();
    void defaultSizes_data();
    void defaultSizes();
    void pageNumbering();
    void ruby_data();
    void ruby();
    void unusableTitle();
    void withDialog_data();
    void withDialog();
};

void TstMemoDivider::budget_data()
{
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("pageNo");
    QTest::addColumn<bool>("encoded");
    QTest::addColumn<bool>("title");
    QTest::addColumn<int>("budget");
    QTest::addRow("all on") << true << true << true << true << 3932;
    QTest::addRow("link only") << true << false << false << false << 4050 - 44;
    QTest::addRow("page only") << false << true << false << false << 4050 - 13;
    QTest::addRow("encoding only") << false << false << true << false << 4050 - 29;
    QTest::addRow("title only") << false << false << false << true << 4050 - 32;
    QTest::addRow("none") << false << false << false << false << 4050;
}

void TstMemoDivider::budget()
{
    QFETCH(bool, link);
    QFETCH(bool, pageNo);
    QFETCH(bool, encoded);
    QFETCH(bool, title);
    QFETCH(int, budget);
    TKiruMemoDivider d = MakeDivider(u"タイトル不明"_s, 0, 4050, false);
    d.MakeLink = link;
    d.MakePageNo = pageNo;
    d.AddEncoded = encoded;
    d.AddTitle = title;
    QCOMPARE(d.Budget(), budget);
}

void TstMemoDivider::singleNote()
{
    QTemporaryDir dir;
    TKiruMemoDivider d = MakeDivider(u"短い"_s, 0, 4050, true);
    d.MakeFolder = true;
    d.SetLines(LinesOf(SjisBytes(u"一行目\r\n二行目\r\n"_s)));
    QVERIFY(d.Divide(dir.path()));
    const QString folder = dir.filePath(u"短い"_s);
    QCOMPARE(FilesIn(folder), QStringList{u"短い.txt"_s});
    QCOMPARE(ReadLinesFile(folder + u"/短い.txt"_s),
             (QStringList{u"<?xml encoding=\"Shift-JIS\"?>"_s, u"<Title>短い</Title>"_s, u"一行目"_s,
                          u"二行目"_s}));
}

void TstMemoDivider::lineMode_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("allOn");
    QTest::addColumn<int>("size");
    QTest::addRow("default settings") << 600 << 30 << true << 4050;
    QTest::addRow("lines of varied width") << 200 << 77 << true << 4050;
    QTest::addRow("bare pages") << 50 << 10 << false << 100;
}

void TstMemoDivider::lineMode()
{
    QFETCH(int, lines);
    QFETCH(int, width);
    QFETCH(bool, allOn);
    QFETCH(int, size);
    QTemporaryDir dir;
    TKiruMemoDivider d = MakeDivider(u"T"_s, dmLine, size, allOn);
    const QByteArray text = RepeatLines(lines, width);
    d.SetLines(LinesOf(text));
    QVERIFY(d.Divide(dir.path()));
    const QStringList files = FilesIn(dir.path());
    QVERIFY(files.size() > 1);
    QCOMPARE(files.first(), u"T 001.txt"_s);
    const int headers = allOn ? 3 : 0;
    QByteArray joined;
    for (int i = 0; i < files.size(); ++i) {
        const QString path = dir.filePath(files.at(i));
        const bool last = i == files.size() - 1;
        const QList<QByteArray> page = PageText(path, headers, allOn && !last);
        qint64 sum = 0;
        for (const QByteArray &l : page)
            sum += l.size() + 2;
        QVERIFY2(sum < d.Budget(), qPrintable(files.at(i)));
        QVERIFY(ReadFixtureFile(path).size() < 4096);
        joined += JoinTextLines(page);
        const QList<QByteArray> all = SplitTextLines(ReadFixtureFile(path));
        if (allOn) {
            QCOMPARE(all.first(), SjisBytes(u"【Page %1】"_s.arg(i + 1)));
            if (!last)
                QCOMPARE(all.last(),
                         SjisBytes(u"<A HREF=\"T %1.txt\">≪次へ≫</A>"_s.arg(i + 2, 3, 10, QChar(u'0'))));
            else
                QVERIFY(!all.last().startsWith("<A HREF"));
        }
    }
    QCOMPARE(joined, text); // no line split, nothing lost
}

void TstMemoDivider::lineModeTooLong_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("makeFolder");
    const QByteArray longLast = RepeatLines(300, 20) + QByteArray(5000, 'x') + "\r\n";
    QTest::addRow("long line after pages, own folder") << longLast << 4050 << true;
    QTest::addRow("long line after pages, no folder") << longLast << 4050 << false;
    // A line just short of the budget cannot fit a page either: no endless blank pages.
    QTest::addRow("line just short of the budget")
        << (QByteArray(99, 'y') + "\r\n" + QByteArray(10, 'z') + "\r\n") << 100 << true;
}

void TstMemoDivider::lineModeTooLong()
{
    QFETCH(QByteArray, text);
    QFETCH(int, size);
    QFETCH(bool, makeFolder);
    QTemporaryDir dir;
    TScriptedDialogs dialogs;
    TKiruMemoDivider d = MakeDivider(u"T"_s, dmLine, size, size > 1000);
    d.MakeFolder = makeFolder;
    d.FDialogs = &dialogs;
    d.SetLines(LinesOf(text));
    QVERIFY(!d.Divide(dir.path()));
    QCOMPARE(dialogs.Texts(u"warning"_s),
             QStringList{u"行に文字を詰め込みすぎです。行によるカット処理が行えません。"_s});
    // Neither a broken chain of pages nor an empty folder stays behind.
    QVERIFY(d.FWrittenFiles.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

void TstMemoDivider::failedWriteLeavesNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<qint64>("failAfter");
    QTest::addRow("lines, second page fails") << int(dmLine) << qint64(5000);
    QTest::addRow("characters, first page fails") << int(dmJapanese) << qint64(10);
}

void TstMemoDivider::failedWriteLeavesNothing()
{
    QFETCH(int, mode);
    QFETCH(qint64, failAfter);
    QTemporaryDir dir;
    TKiruMemoDivider d = MakeDivider(u"T"_s, mode, 4050, true);
    d.MakeFolder = true;
    d.SetLines(LinesOf(RepeatLines(300, 40)));
    {
        TWriteFailure failure(failAfter);
        QVERIFY_THROWS_EXCEPTION(ESorvoError, d.Divide(dir.path()));
    }
    QCOMPARE(FolderEntries(dir.path()), QStringList{});
}

void TstMemoDivider::failedWriteKeepsOldNote_data()
{
    QTest::addColumn<qint64>("failAfter");
    QTest::addRow("first page fails") << qint64(10);
    QTest::addRow("second page fails") << qint64(5000);
    QTest::addRow("last page fails") << qint64(4050 * 3 + 100);
}

void TstMemoDivider::failedWriteKeepsOldNote()
{
    QFETCH(qint64, failAfter);
    QTemporaryDir dir;
    const QStringList old{u"T 001.txt"_s, u"T 002.txt"_s};
    for (const QString &name : old)
        QVERIFY(WriteFixtureFile(dir.filePath(name), "old " + name.toUtf8()));
    TKiruMemoDivider d = MakeDivider(u"T"_s, dmLine, 4050, true);
    d.SetLines(LinesOf(RepeatLines(300, 40))); // four pages or more
    {
        TWriteFailure failure(failAfter);
        QVERIFY_THROWS_EXCEPTION(ESorvoError, d.Divide(dir.path()));
    }
    // The old note stays whole until a new one is complete; nothing half-made is left.
    QCOMPARE(FolderEntries(dir.path()), old);
    for (const QString &name : old)
        QCOMPARE(ReadFixtureFile(dir.filePath(name)), "old " + name.toUtf8());
}

void TstMemoDivider::charModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<QByteArray>>("pages"); // whole files (no added lines at this setting)
    QTest::addRow("mode 2 cuts after the last comma")
        << 2 << QByteArray("aaa. bbb, ccc dd") << 12 << QList<QByteArray>{"aaa. bbb,\r\n", " ccc dd\r\n"};
    QTest::addRow("mode 2 line feed is a cut point")
        << 2 << QByteArray("ab\ncdefgh") << 8 << QList<QByteArray>{"ab\r\n", "cdefgh\r\n"};
    QTest::addRow("mode 3 cuts at the budget, not inside a character")
        << 3 << SjisBytes(u"ああああa"_s) << 6
        << QList<QByteArray>{SjisBytes(u"ああ\r\n"_s), SjisBytes(u"ああa\r\n"_s), "\r\n"};
    QTest::addRow("mode 1 after 。") << 1 << SjisBytes(u"あいう。えおかき"_s) << 12
                                     << QList<QByteArray>{SjisBytes(u"あいう。\r\n"_s),
                                                          SjisBytes(u"えおかき\r\n"_s)};
    QTest::addRow("mode 1 run without cut point is cut at the budget")
        << 1 << SjisBytes(u"あいうえおかきくけこ"_s) << 9
        << QList<QByteArray>{SjisBytes(u"あいうえ\r\n"_s), SjisBytes(u"おかきく\r\n"_s),
                             SjisBytes(u"けこ\r\n"_s)};
}

void TstMemoDivider::charModes()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, text);
    QFETCH(int, size);
    QFETCH(QList<QByteArray>, pages);
    QTemporaryDir dir;
    TKiruMemoDivider d = MakeDivider(u"T"_s, mode, size, false);
    d.SetLines(LinesOf(text));
    QVERIFY(d.Divide(dir.path()));
    QList<QByteArray> got;
    for (const QString &f : FilesIn(dir.path()))
        got.append(ReadFixtureFile(dir.filePath(f)));
    QCOMPARE(got, pages);
}

void TstMemoDivider::defaultSizes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addRow("line") << 0;
    QTest::addRow("Japanese punctuation") << 1;
    QTest::addRow("English punctuation") << 2;
    QTest::addRow("any character") << 3;
}

void TstMemoDivider::defaultSizes()
{
    QFETCH(int, mode);
    // Long lines of Japanese with periods, and (character modes) a stretch without any cut character.
    QString text;
    for (int i = 0; i < 200; ++i)
        text +=
            QString(37, QChar(u'あ' + i % 40)) + (i % 3 ? u"。"_s : u"."_s) + (i % 5 ? QString() : u"\r\n"_s);
    if (mode != dmLine) // line mode refuses such a line
        text += QString(3000, u'ん') + u"\r\n"_s;
    QTemporaryDir dir;
    TKiruMemoDivider d = MakeDivider(u"タイトル不明"_s, mode, 4050, true);
    d.SetLines(LinesOf(SjisBytes(text)));
    QVERIFY(d.Divide(dir.path()));
    QByteArray joined;
    for (const QString &f : d.FWrittenFiles) {
        const QByteArray page = ReadFixtureFile(f);
        QVERIFY2(page.size() < 4096, qPrintable(f));
        QList<QByteArray> lines = SplitTextLines(page);
        QVERIFY(!lines.isEmpty());
        const bool last = f == d.FWrittenFiles.last();
        lines = lines.mid(3, lines.size() - 3 - (last ? 0 : 1));
        QVERIFY(!lines.isEmpty()); // every page holds text
        joined += JoinTextLines(lines);
    }
    // Nothing lost, nothing doubled (cuts inside lines add line ends only).
    QByteArray expected = SjisBytes(text);
    expected.replace("\r\n", "");
    joined.replace("\r\n", "");
    QCOMPARE(joined, expected);
}

void TstMemoDivider::pageNumbering()
{
    QTemporaryDir dir;
    TKiruMemoDivider d = MakeDivider(u"T"_s, dmLine, 6, false);
    d.SetLines(LinesOf(RepeatLines(1000, 1)));
    QVERIFY(d.Divide(dir.path()));
    QCOMPARE(d.FWrittenFiles.size(), 1000);
    QVERIFY(QFileInfo::exists(dir.filePath(u"T 1000.txt"_s)));
    QVERIFY(QFileInfo::exists(dir.filePath(u"T 999.txt"_s)));
    QCOMPARE(d.PageFileName(1), u"T 001.txt"_s);
}

void TstMemoDivider::ruby_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::addRow("ruby reading") << u"漢字《かんじ》です"_s << u"漢字です"_s;
    QTest::addRow("annotation") << u"本文［＃注記］続き"_s << u"本文続き"_s;
    QTest::addRow("marker outside stays") << u"｜東京《とうきょう》"_s << u"｜東京"_s;
    QTest::addRow("no nesting") << u"a《b［c》d］e"_s << u"ad］e"_s;
    QTest::addRow("unclosed drops the rest") << u"前《後ろ全部"_s << u"前"_s;
}

void TstMemoDivider::ruby()
{
    QFETCH(QString, text);
    QFETCH(QString, result);
    TKiruMemoDivider d;
    QCOMPARE(d.RemoveRuby(SjisBytes(text)), SjisBytes(result));

    // Removal before the division, with MakeFolder off the note goes straight into the folder.
    QTemporaryDir dir;
    TKiruMemoDivider w = MakeDivider(u"R"_s, dmLine, 4050, false);
    w.MakeDelRuby = true;
    int reports = 0;
    w.OnProgress = [&](qint64, qint64, const QString &m) { reports += m == u"ルビを除去中です"_s; };
    w.SetLines(LinesOf(SjisBytes(text)));
    QVERIFY(w.Divide(dir.path()));
    QCOMPARE(ReadLinesFile(dir.filePath(u"R.txt"_s)), result.isEmpty() ? QStringList() : QStringList{result});
    QVERIFY(reports > 0);
}

void TstMemoDivider::unusableTitle()
{
    QTemporaryDir dir;
    for (const QString &title : {u"../up"_s, u""_s, u".."_s, u"a:b"_s}) {
        TKiruMemoDivider d = MakeDivider(title, dmLine, 4050, true);
        d.MakeFolder = true;
        d.SetLines(LinesOf("x\r\n"));
        QVERIFY_THROWS_EXCEPTION(ESorvoError, d.Divide(dir.filePath(u"sub"_s)));
    }
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TstMemoDivider::withDialog_data()
{
    QTest::addColumn<bool>("everyDisplay");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("written");
    QTest::addRow("dialog confirmed") << true << true << 1 << true;
    QTest::addRow("dialog cancelled") << true << false << 1 << false;
    QTest::addRow("dialog turned off") << false << false << 0 << true;
}

void TstMemoDivider::withDialog()
{
    QFETCH(bool, everyDisplay);
    QFETCH(bool, confirm);
    QFETCH(int, shown);
    QFETCH(bool, written);
    QTemporaryDir dir;
    TKiruIPodINI settings(dir.filePath(u"Velmor.INI"_s));
    settings.FEveryDisplay = everyDisplay;
    TFakeDivideDialog dialog;
    dialog.FConfirm = confirm;
    QDir(dir.path()).mkdir(u"notes"_s);
    const bool result = DivideWithDialog(dir.filePath(u"notes"_s), LinesOf(RepeatLines(300, 30)),
                                         u"/src/長い文章.txt"_s, settings, &dialog, {}, nullptr);
    QCOMPARE(result, written);
    QCOMPARE(dialog.FShown, shown);
    if (shown)
        QCOMPARE(dialog.FSeenTitle, u"長い文章"_s);
    QCOMPARE(QFileInfo::exists(dir.filePath(u"notes/長い文章 001.txt"_s)), written && shown);
    QCOMPARE(QFileInfo::exists(dir.filePath(u"notes/長い文章/長い文章 001.txt"_s)), written && !shown);
    QCOMPARE(settings.FTextDivide_MakeFolder, !(written && shown)); // confirmed choices are stored
}

QTEST_GUILESS_MAIN(TstMemoDivider)
#include "tst_memodivider.moc"
