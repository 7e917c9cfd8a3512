#include "fixturefiles.h"
#include "notefiles.h"

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

QTEST_GUILESS_MAIN(TstCmdPim)
#include "tst_cmdpim.moc"
