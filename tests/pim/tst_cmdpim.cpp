#include "fixturefiles.h"
#include "notefiles.h"
#include "platform/system.h"
#include "smalldisk.h"

#include <cerrno>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A player folder with a song database marker, a note, two cards, two events and a task.
struct TCliPlayer
{
    TCliPlayer()
    {
        root = dir.filePath(u"player"_s);
        WriteFixtureFile(root + u"/iPod_Control/iTunes/iTunesDB"_s, QByteArray());
        WriteFixtureFile(root + u"/Notes/sub/memo.txt"_s, SjisBytes(u"見出し\r\n本文\r\n"_s));
        WriteLinesFile(root + u"/Contacts"_s, u"b.vcf"_s,
                       {u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"FN:Bさん"_s, u"END:vcard"_s});
        WriteLinesFile(root + u"/Contacts"_s, u"a.vcf"_s,
                       {u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"FN:Cさん"_s, u"END:vcard"_s});
        const auto event = [&](const QString &name, const QString &start, const QString &block) {
            WriteLinesFile(root + u"/Calendars"_s, name,
                           {u"BEGIN:vcalender"_s, u"VERSION:2.0"_s, u"BEGIN:"_s + block, u"SUMMARY:"_s + name,
                            u"DTSTART:"_s + start, u"END:"_s + block, u"END:vcalender"_s},
                           true);
        };
        event(u"late.ics"_s, u"20300101T100000"_s, u"vevent"_s);
        event(u"early.ics"_s, u"20040101T100000"_s, u"vevent"_s);
        event(u"task.ics"_s, u"20040102T100000"_s, u"vtodo"_s);
    }
    /// Runs sorvo-cli on this player; returns the exit code.
    int Run(QStringList args)
    {
        args << u"--drive"_s << root << u"--settings"_s << dir.filePath(u"Velmor.INI"_s);
        QProcess cli;
        cli.start(QString::fromUtf8(SORVO_CLI_PATH), args);
        cli.closeWriteChannel();
        if (!cli.waitForFinished(60000))
            return -1;
        out = cli.readAllStandardOutput();
        err = QString::fromLocal8Bit(cli.readAllStandardError());
        return cli.exitCode();
    }
    QJsonArray Json() const { return QJsonDocument::fromJson(out).array(); }
    QStringList Column(const QString &key) const
    {
        QStringList values;
        for (const QJsonValue &v : Json())
            values.append(v.toObject().value(key).toString());
        return values;
    }
    QTemporaryDir dir;
    QString root;
    QByteArray out;
    QString err;
};

QStringList EventFile(const QString &start)
{
    return {u"BEGIN:vcalender"_s,  u"VERSION:2.0"_s, u"BEGIN:vevent"_s, u"SUMMARY:s"_s,
            u"DTSTART:"_s + start, u"END:vevent"_s,  u"END:vcalender"_s};
}

} // namespace

class TstCmdPim : public QObject
{
    Q_OBJECT
private slots:
    void lists_data();
    void lists();
    void import();
    void expire_data();
    void expire();
    void importReplacesTold();
    void importTooLarge();
    void contactsAsWritten();
    void notesJsonSizes();
    void readOnlyPlayerSaysWhy();
    void exportListsEveryEntry();
};

void TstCmdPim::lists_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("values");
    QTest::addRow("notes") << u"notes"_s << u"headline"_s << QStringList{u"見出し"_s};
    QTest::addRow("contacts by name") << u"contacts"_s << u"file"_s << QStringList{u"b.vcf"_s, u"a.vcf"_s};
    QTest::addRow("events by date") << u"events"_s << u"file"_s << QStringList{u"early.ics"_s, u"late.ics"_s};
    QTest::addRow("todos") << u"todos"_s << u"shown"_s << QStringList{u"2004/01/02 10:00"_s};
}

void TstCmdPim::lists()
{
    QFETCH(QString, command);
    QFETCH(QString, key);
    QFETCH(QStringList, values);
    TCliPlayer p;
    QCOMPARE(p.Run({command, u"--json"_s}), 0);
    QCOMPARE(p.Column(key), values);
    QCOMPARE(p.Run({command}), 0); // the table form
    QVERIFY(!p.out.isEmpty());
}

void TstCmdPim::import()
{
    TCliPlayer p;
    const QString note = p.dir.filePath(u"pc/日記.txt"_s);
    WriteFixtureFile(note, u"今日は晴れ\n"_s.toUtf8());
    const QString longText = p.dir.filePath(u"pc/長文.txt"_s);
    WriteFixtureFile(longText, RepeatLines(300, 40));
    const QString card = p.dir.filePath(u"pc/b.vcf"_s);
    WriteFixtureFile(card, "BEGIN:vcard\r\n");
    QCOMPARE(p.Run({u"import"_s, note, longText}), 0);
    QCOMPARE(ReadLinesFile(p.root + u"/Notes/日記.txt"_s),
             (QStringList{u"<?xml encoding=\"Shift-JIS\"?>"_s, u"今日は晴れ"_s}));
    QVERIFY(QFileInfo::exists(p.root + u"/Notes/長文/長文 001.txt"_s));
    // The card's name is taken already: refused, the old card stays.
    QCOMPARE(p.Run({u"import"_s, card}), 1);
    QVERIFY(p.err.contains(u"[ b.vcf ]のコピーに失敗しました"_s));
    QVERIFY(ReadFixtureFile(p.root + u"/Contacts/b.vcf"_s).contains(SjisBytes(u"Bさん"_s)));
    QCOMPARE(p.Run({u"import"_s, u"--kind"_s, u"calendar"_s, card}), 0);
    QVERIFY(QFileInfo::exists(p.root + u"/Calendars/b.vcf"_s));

    // A player without a notes folder yet gets one, as a drop in the window does.
    QVERIFY(QDir(p.root + u"/Notes"_s).removeRecursively());
    QCOMPARE(p.Run({u"import"_s, note}), 0);
    QVERIFY(QFileInfo::exists(p.root + u"/Notes/日記.txt"_s));
}

void TstCmdPim::expire_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("left");
    QTest::addRow("events, confirmed")
        << QStringList{u"expire"_s, u"events"_s, u"--before"_s, u"2005-01-01 00:00"_s, u"--yes"_s}
        << QStringList{u"late.ics"_s, u"task.ics"_s};
    QTest::addRow("todos, confirmed")
        << QStringList{u"expire"_s, u"todos"_s, u"--before"_s, u"2005-01-01 00:00"_s, u"--yes"_s}
        << QStringList{u"early.ics"_s, u"late.ics"_s};
    QTest::addRow("not confirmed") << QStringList{u"expire"_s, u"events"_s, u"--before"_s,
                                                  u"2005-01-01 00:00"_s}
                                   << QStringList{u"early.ics"_s, u"late.ics"_s, u"task.ics"_s};
    QTest::addRow("bad date") << QStringList{u"expire"_s, u"events"_s, u"--before"_s, u"soon"_s}
                              << QStringList{u"early.ics"_s, u"late.ics"_s, u"task.ics"_s};
}

void TstCmdPim::expire()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, left);
    TCliPlayer p;
    const int code = p.Run(args);
    QCOMPARE(QDir(p.root + u"/Calendars"_s).entryList(QDir::Files, QDir::Name), left);
    QCOMPARE(code == 0, left.size() == 2);
}

void TstCmdPim::importTooLarge()
{
    TCliPlayer p;
    // 2.2 GB without the disk space: the file is refused by its size, never read.
    const QString huge = p.dir.filePath(u"pc/huge.txt"_s);
    QVERIFY(WriteFixtureFile(huge, "text\r\n"));
    QFile file(huge);
    QVERIFY(file.resize(qint64(2200) * 1000 * 1000));
    const QString note = p.dir.filePath(u"pc/日記.txt"_s);
    WriteFixtureFile(note, u"今日は晴れ\n"_s.toUtf8());
    // The files after it are still imported; the run fails for the one refused.
    QCOMPARE(p.Run({u"import"_s, huge, note}), 1);
    QVERIFY2(p.err.contains(huge), qPrintable(p.err));
    QVERIFY2(p.err.contains(u"読み込めるのは 64 MB までです"_s), qPrintable(p.err));
    QVERIFY(!QFileInfo::exists(p.root + u"/Notes/huge.txt"_s));
    QVERIFY(!QFileInfo::exists(p.root + u"/Notes/huge"_s));
    QVERIFY(QFileInfo::exists(p.root + u"/Notes/日記.txt"_s));
}

void TstCmdPim::importReplacesTold()
{
    TCliPlayer p;
    const QString note = p.dir.filePath(u"pc/sub/memo.txt"_s);
    // Not a terminal: the note of the same name is replaced, and said; the emoji and the Korean
    // characters Shift-JIS lacks are counted.
    WriteFixtureFile(note, u"新しい本文 😀 한국\n"_s.toUtf8());
    WriteFixtureFile(p.root + u"/Notes/memo.txt"_s, SjisBytes(u"編集したメモ\r\n"_s));
    QCOMPARE(p.Run({u"import"_s, note}), 0);
    QVERIFY2(p.err.contains(u"メモ[ %1 ]を置き換えました"_s.arg(
                 QDir::toNativeSeparators(p.root + u"/Notes/memo.txt"_s))),
             qPrintable(p.err));
    QVERIFY2(p.err.contains(u"の 3 文字はShift-JISにない文字のため「?」に置き換えました"_s),
             qPrintable(p.err));

    // A shorter long text under the same title: the old chain's later pages go.
    const QString longText = p.dir.filePath(u"pc/長文.txt"_s);
    WriteFixtureFile(longText, RepeatLines(600, 40));
    QCOMPARE(p.Run({u"import"_s, longText}), 0);
    const QString folder = p.root + u"/Notes/長文/"_s;
    const int pages = QDir(folder).entryList(QDir::Files).size();
    QVERIFY(pages > 3);
    WriteFixtureFile(longText, RepeatLines(150, 40));
    QCOMPARE(p.Run({u"import"_s, longText}), 0);
    const QStringList left = QDir(folder).entryList(QDir::Files, QDir::Name);
    QVERIFY(left.size() < pages);
    QCOMPARE(left.last(), u"長文 %1.txt"_s.arg(left.size(), 3, 10, QChar(u'0')));
    QVERIFY(p.err.contains(u"長文 %1.txt ]を置き換えました"_s.arg(pages, 3, 10, QChar(u'0'))));

    // A UTF-8 text with one broken byte is still read as UTF-8; the broken byte alone becomes "?".
    const QString broken = p.dir.filePath(u"pc/broken.txt"_s);
    WriteFixtureFile(broken, u"日本語の文章です。"_s.toUtf8() + "\xFF" + u"続きも日本語。\n"_s.toUtf8());
    QCOMPARE(p.Run({u"import"_s, broken}), 0);
    QCOMPARE(ReadLinesFile(p.root + u"/Notes/broken.txt"_s).last(), u"日本語の文章です。?続きも日本語。"_s);
}

void TstCmdPim::contactsAsWritten()
{
    TCliPlayer p;
    // An address book export: several cards, folded lines, quoted-printable values.
    WriteFixtureFile(
        p.root + u"/Contacts/book.vcf"_s,
        "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E5=B1=B1=E7=94=B0\r\n"
        "NOTE:first line of a long\r\n  note\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Second\r\n Person\r\nEND:VCARD\r\n");
    QCOMPARE(p.Run({u"contacts"_s, u"--json"_s}), 0);
    QStringList names = p.Column(u"name"_s);
    QVERIFY2(names.contains(u"山田"_s) && names.contains(u"SecondPerson"_s), qPrintable(names.join(u'|')));
    QVERIFY(p.Column(u"note"_s).contains(u"first line of a long note"_s));

    // An event with an all-day start and a to-do due in the future in one file: both lists, readable.
    WriteFixtureFile(
        p.root + u"/Calendars/both.ics"_s,
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:day\r\nDTSTART;VALUE=DATE:20270105\r\n"
        "END:VEVENT\r\nBEGIN:VTODO\r\nSUMMARY:todo\r\nDUE;VALUE=DATE:20270106\r\nEND:VTODO\r\nEND:"
        "VCALENDAR\r\n");
    QCOMPARE(p.Run({u"events"_s, u"--json"_s}), 0);
    QVERIFY2(p.out.contains("2027/01/05 00:00"), p.out.constData());
    QCOMPARE(p.Run({u"todos"_s, u"--json"_s}), 0);
    QVERIFY2(p.out.contains("2027/01/06 00:00"), p.out.constData());
}

void TstCmdPim::notesJsonSizes()
{
    TCliPlayer p;
    QCOMPARE(p.Run({u"notes"_s, u"--json"_s}), 0);
    const QJsonArray rows = p.Json();
    QCOMPARE(rows.size(), 1);
    QVERIFY(rows.first().toObject().value(u"size"_s).isDouble());
    QCOMPARE(rows.first().toObject().value(u"size"_s).toInteger(), 14);
}

void TstCmdPim::readOnlyPlayerSaysWhy()
{
    TSmallDisk disk(1024 * 1024);
    if (!disk.Mounted())
        QSKIP("a small file system can only be mounted by root");
    TCliPlayer p;
    p.root = disk.Path();
    WriteFixtureFile(p.root + u"/iPod_Control/iTunes/iTunesDB"_s, QByteArray());
    WriteLinesFile(p.root + u"/Calendars"_s, u"old.ics"_s, EventFile(u"20000101T000000"_s), true);
    QDir().mkpath(p.root + u"/Contacts"_s);
    QCOMPARE(QProcess::execute(u"mount"_s, {u"-o"_s, u"remount,ro"_s, disk.Path()}), 0);
    const QString card = p.dir.filePath(u"new.vcf"_s);
    WriteFixtureFile(card, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:N\r\nEND:VCARD\r\n");
    QCOMPARE(p.Run({u"import"_s, card}), 1);
    QVERIFY2(p.err.contains(u"[ new.vcf ]のコピーに失敗しました ("_s + SystemErrorText(EROFS)),
             qPrintable(p.err));
    QCOMPARE(p.Run({u"expire"_s, u"events"_s, u"--yes"_s}), 1);
    QVERIFY2(p.err.contains(u"old.ics ] ("_s + SystemErrorText(EROFS)) ||
                 p.err.contains(u"old.ics ] (Read-only file system)"_s),
             qPrintable(p.err));
}

void TstCmdPim::exportListsEveryEntry()
{
    TCliPlayer p;
    // A calendar export: its future events and its to-dos each get a row, all naming the one file.
    WriteFixtureFile(p.root + u"/Calendars/export.ics"_s,
                     "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                     "BEGIN:VEVENT\r\nSUMMARY:first\r\nDTSTART:20270101T100000\r\nEND:VEVENT\r\n"
                     "BEGIN:VTODO\r\nSUMMARY:todo one\r\nDUE:20270102T100000\r\nEND:VTODO\r\n"
                     "BEGIN:VEVENT\r\nSUMMARY:second\r\nDTSTART:20270201T100000\r\nEND:VEVENT\r\n"
                     "BEGIN:VTODO\r\nSUMMARY:todo two\r\nDUE:20270202T100000\r\nEND:VTODO\r\n"
                     "BEGIN:VEVENT\r\nSUMMARY:third\r\nDTSTART:20270301T100000\r\nEND:VEVENT\r\n"
                     "END:VCALENDAR\r\n");
    QCOMPARE(p.Run({u"events"_s, u"--json"_s}), 0);
    QCOMPARE(p.Column(u"summary"_s),
             (QStringList{u"early.ics"_s, u"first"_s, u"second"_s, u"third"_s, u"late.ics"_s}));
    QCOMPARE(p.Column(u"file"_s).count(u"export.ics"_s), 3);
    QCOMPARE(p.Run({u"todos"_s, u"--json"_s}), 0);
    QCOMPARE(p.Column(u"summary"_s), (QStringList{u"task.ics"_s, u"todo one"_s, u"todo two"_s}));
    QCOMPARE(p.Run({u"events"_s}), 0); // the table form
    QVERIFY2(p.out.contains("third"), p.out.constData());
}

QTEST_GUILESS_MAIN(TstCmdPim)
#include "tst_cmdpim.moc"
