#include "pim/pimcommands.h"
#include "pim/pimeditors.h"
#include "pim/pimlistmodels.h"

#include "app/messages.h"
#include "app/userdialogs.h"
#include "common/sorvoerror.h"
#include "fixturefiles.h"
#include "notefiles.h"
#include "recordingservices.h"
#include "scripteddialogs.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

struct TPlayer
{
    TPlayer()
    {
        QDir(dir.path()).mkpath(u"Contacts"_s);
        QDir(dir.path()).mkpath(u"Calendars"_s);
    }
    QString Calendar(const QString &name, const QStringList &lines)
    {
        return WriteLinesFile(dir.filePath(u"Calendars"_s), name, lines, true);
    }
    QTemporaryDir dir;
    TScriptedDialogs dialogs;
    TRecordingServices services;
    TLagugae messages;
    TPimCommands commands{dir.filePath(u"Contacts"_s), dir.filePath(u"Calendars"_s), dialogs, &services,
                          &messages};
};

QStringList EventLines(const QString &start, const QString &firstLine = u"BEGIN:vcalender"_s)
{
    QStringList lines{firstLine, u"VERSION:2.0"_s, u"BEGIN:vevent"_s, u"SUMMARY:予定"_s};
    if (!start.isNull())
        lines.append(u"DTSTART:"_s + start);
    lines << u"END:vevent"_s << u"END:vcalender"_s;
    return lines;
}

TDateTime At(int y, int mo, int d, int h, int mi)
{
    return QDateTimeToDateTime(QDateTime(QDate(y, mo, d), QTime(h, mi)));
}

} // namespace

class TstPimCommands : public QObject
{
    Q_OBJECT
private slots:
    void contacts();
    void contactNames_data();
    void contactNames();
    void deletion_data();
    void deletion();
    void calendarRows_data();
    void calendarRows();
    void newFileNames_data();
    void newFileNames();
    void eventEditor();
    void taskEditor();
    void contactEditor();
    void expired_data();
    void expired();
    void expiredKeepsPartlyPastFile();
    void expiredTasksWithoutStart();
    void expiredQuestion_data();
    void expiredQuestion();
    void expiredPastBadFile();
    void month_data();
    void month();
    void exportRows_data();
    void exportRows();
    void severalEntriesSaid_data();
    void severalEntriesSaid();
};

void TstPimCommands::contacts()
{
    TPlayer p;
    TIpodVCF r;
    r.FullName = u"山田"_s;
    r.Note = u"友人"_s;
    const QString path = p.commands.SaveContact(QString(), r);
    QCOMPARE(path, p.dir.filePath(u"Contacts/山田.vcf"_s));
    QCOMPARE(p.services.FLoadedTabs, QList<int>{1});
    // Saving a new contact under an existing full name updates that card.
    TIpodVCF again;
    again.FullName = u"山田"_s;
    again.Org = u"会社"_s;
    p.commands.SaveContact(QString(), again);
    QCOMPARE(TKiruVCF(path).GetRecord().Note, u"友人"_s);
    QCOMPARE(TKiruVCF(path).GetRecord().Org, u"会社"_s);
    WriteFixtureFile(p.dir.filePath(u"Contacts/sub/x.vcf"_s), "garbage");
    QCOMPARE(p.commands.LoadContactList(), (QList<TContactRow>{{u"sub/x.vcf"_s, QString(), QString()},
                                                               {u"山田.vcf"_s, u"山田"_s, u"友人"_s}}));
    QCOMPARE(p.services.FStatusTexts.last(), u"アドレス帳を読み込みました"_s);
}

void TstPimCommands::contactNames_data()
{
    QTest::addColumn<QString>("fullName");
    QTest::addRow("empty") << QString();
    QTest::addRow("parent folder") << u".."_s;
    QTest::addRow("path") << u"../../etc/x"_s;
    QTest::addRow("colon") << u"a:b"_s;
    QTest::addRow("backslash") << u"a\\b"_s;
}

void TstPimCommands::contactNames()
{
    QFETCH(QString, fullName);
    TPlayer p;
    TIpodVCF r;
    r.FullName = fullName;
    try {
        p.commands.SaveContact(QString(), r);
        QFAIL("saved");
    } catch (const ESorvoError &e) {
        QCOMPARE(e.Message(), u"ファイル名[ %1.vcf ]は使えません"_s.arg(fullName));
    }
    QVERIFY(QDir(p.dir.filePath(u"Contacts"_s)).isEmpty());
    QCOMPARE(QDir(p.dir.path()).entryList(QDir::Files), QStringList{});
}

void TstPimCommands::deletion_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QList<TDialogAnswer>>("answers");
    QTest::addColumn<QStringList>("left");
    QTest::addRow("nothing selected")
        << QStringList{} << QList<TDialogAnswer>{} << QStringList{u"a.vcf"_s, u"b.vcf"_s};
    QTest::addRow("answered No") << QStringList{u"a.vcf"_s} << QList<TDialogAnswer>{TDialogAnswer::No}
                                 << QStringList{u"a.vcf"_s, u"b.vcf"_s};
    QTest::addRow("read-only deleted")
        << QStringList{u"b.vcf"_s, u"a.vcf"_s} << QList<TDialogAnswer>{TDialogAnswer::Yes} << QStringList{};
}

void TstPimCommands::deletion()
{
    QFETCH(QStringList, selected);
    QFETCH(QList<TDialogAnswer>, answers);
    QFETCH(QStringList, left);
    TPlayer p;
    const QString folder = p.dir.filePath(u"Contacts/"_s);
    WriteFixtureFile(folder + u"a.vcf"_s, "x");
    WriteFixtureFile(folder + u"b.vcf"_s, "x");
    QFile::setPermissions(folder + u"b.vcf"_s, QFile::ReadOwner);
    p.dialogs.FAnswers = answers;
    p.commands.DeleteSelectedContacts(selected);
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), left);
    if (selected.isEmpty())
        QCOMPARE(p.dialogs.Texts(u"warning"_s),
                 QStringList{u"ファイルが選択されていませんので削除できません"_s});
    else
        QCOMPARE(p.dialogs.Texts(u"yesno"_s),
                 QStringList{u"[ %1 ]を削除してもよろしいですか？"_s.arg(selected.first())});
    QCOMPARE(p.services.FLoadedTabs, left.isEmpty() ? QList<int>{1} : QList<int>{});
}

void TstPimCommands::calendarRows_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("event");
    QTest::addColumn<bool>("task");
    QTest::addColumn<QString>("shown");
    QTest::addRow("event") << EventLines(u"20050320T091600"_s) << true << false << u"2005/03/20 09:16"_s;
    QTest::addRow("date only reads as midnight")
        << EventLines(u"20050320"_s) << true << false << u"2005/03/20 00:00"_s;
    QTest::addRow("unreadable start shows nothing") << EventLines(u"soon"_s) << true << false << QString();
    QStringList task = EventLines(u"20050320T091600"_s);
    task[2] = u"BEGIN:VTODO"_s;
    QTest::addRow("task") << task << false << true << u"2005/03/20 09:16"_s;
    QTest::addRow("vtodo on the first line is still an event")
        << EventLines(u"20050320T091600"_s, u" begin : VTODO "_s) << true << false << u"2005/03/20 09:16"_s;
    QTest::addRow("neither block: both lists") << QStringList{u"DTSTART:20050320T091600"_s, u"SUMMARY:予定"_s}
                                               << true << true << u"2005/03/20 09:16"_s;
}

void TstPimCommands::calendarRows()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, event);
    QFETCH(bool, task);
    QFETCH(QString, shown);
    TPlayer p;
    p.Calendar(u"bad.ics"_s, lines);
    p.Calendar(u"good.ics"_s, EventLines(u"20060101T120000"_s));
    const QList<TCalendarRow> events = p.commands.LoadEventList();
    const QList<TTaskRow> tasks = p.commands.LoadTaskList();
    QCOMPARE(p.services.FStatusTexts,
             (QStringList{u"スケジュールを読み込みました"_s, u"Todoファイルを読み込みました"_s}));
    // A file that does not read never hides the others.
    QCOMPARE(events.size(), event ? 2 : 1);
    QCOMPARE(tasks.size(), task ? 1 : 0);
    const TCalendarRow first =
        event ? events.first()
              : TCalendarRow{tasks.first().FName, tasks.first().FDue, tasks.first().FShownDue,
                             tasks.first().FDescription, tasks.first().FFile};
    QCOMPARE(first.FFile, u"bad.ics"_s);
    QCOMPARE(first.FShownStart, shown);
    QCOMPARE(first.FTitle, u"予定"_s);
    QCOMPARE(events.last().FStart, u"20060101T120000"_s);
}

void TstPimCommands::newFileNames_data()
{
    QTest::addColumn<int>("taken");
    QTest::addColumn<QString>("suffix");
    QTest::addRow("first") << 0 << u"_0.ics"_s;
    QTest::addRow("second") << 1 << u"_1.ics"_s;
    QTest::addRow("eleventh") << 10 << u"_A.ics"_s;
    QTest::addRow("seventeenth") << 16 << u"_10.ics"_s;
}

void TstPimCommands::newFileNames()
{
    QFETCH(int, taken);
    QFETCH(QString, suffix);
    TPlayer p;
    TIpodVCal event;
    event.Summary = u"会議"_s;
    event.DtStart = u"20050320T091600"_s;
    TVTodoObj task{u"宿題"_s, u"20050320T091600"_s, QString()};
    for (int i = 0; i < taken; ++i) {
        p.commands.SaveEvent(QString(), event);
        p.commands.SaveTask(QString(), task);
    }
    QCOMPARE(p.commands.SaveEvent(QString(), event), p.dir.filePath(u"Calendars/20050320T091600"_s + suffix));
    QCOMPARE(p.commands.SaveTask(QString(), task), p.dir.filePath(u"Calendars/t20050320T091600"_s + suffix));
    QCOMPARE(p.services.FLoadedTabs.last(), 5);
}

void TstPimCommands::eventEditor()
{
    TPlayer p;
    TEventEditorValues v;
    v.Summary = u"旅行"_s;
    v.Preset(At(2005, 3, 20, 9, 16));
    v.UseEnd = true;
    const QString path = p.commands.SaveEvent(QString(), v.ToRecord());
    QVERIFY(ReadLinesFile(path, true).contains(u"DTEND:20050320T091600"_s));
    QVERIFY(ReadLinesFile(path, true).contains(u"PRIORITY:0"_s));

    TEventEditorValues back = TEventEditorValues::FromRecord(TKiruVCal(path).GetRecord());
    QVERIFY(back.UseEnd && !back.UseAlarm);
    QCOMPARE(back.Start, At(2005, 3, 20, 9, 16));
    back.UseEnd = false; // switched off in the editor
    p.commands.SaveEvent(path, back.ToRecord());
    QCOMPARE(TKiruVCal(path).FindKey(u"DTEND"_s), -1);
    QCOMPARE(TKiruVCal(path).GetValue(u"SUMMARY"_s), u"旅行"_s);
}

void TstPimCommands::taskEditor()
{
    TPlayer p;
    // Written elsewhere: DTSTART differs from DTEND; the editor shows DTEND and saving makes both equal.
    const QString path = p.Calendar(u"t.ics"_s, {u"BEGIN:vcalender"_s, u"VERSION:2.0"_s, u"BEGIN:vtodo"_s,
                                                 u"DTSTART:20050101T080000"_s, u"DTEND:20050102T090000"_s,
                                                 u"DESCRIPTION:説明"_s, u"END:vtodo"_s, u"END:vcalender"_s});
    TTaskEditorValues v = TTaskEditorValues::FromRecord(TKiruVTodo(path).GetRecord());
    QCOMPARE(v.Due, At(2005, 1, 2, 9, 0));
    v.Due = At(2005, 1, 3, 10, 30);
    v.Description.clear(); // emptied: the line goes
    p.commands.SaveTask(path, v.ToRecord());
    const TKiruVTodo saved(path);
    QCOMPARE(saved.GetValue(u"DTSTART"_s), u"20050103T103000"_s);
    QCOMPARE(saved.GetValue(u"DTEND"_s), u"20050103T103000"_s);
    QCOMPARE(saved.FindKey(u"DESCRIPTION"_s), -1);
    const TDateTime before = NowDateTime();
    QVERIFY(TTaskEditorValues::FromRecord({}).Due >= before);
}

void TstPimCommands::contactEditor()
{
    TIpodVCF r;
    r.Name = u"山田;太郎"_s;
    r.CellPhone = u"090"_s;
    r.Note = u"メモ"_s;
    QList<TContactEditorRow> rows = ContactEditorRows(r);
    QStringList captions;
    for (const TContactEditorRow &row : rows)
        captions.append(row.FCaption);
    QCOMPARE(captions, (QStringList{u"名前"_s, u"フルネーム"_s, u"役職"_s, u"所属"_s, u"携帯電話番号"_s,
                                    u"会社電話番号"_s, u"自宅電話番号"_s, u"メールアドレス"_s, u"URL"_s,
                                    u"会社住所"_s, u"自宅住所"_s, u"コメント"_s}));
    QCOMPARE(rows.at(4).FValue, u"090"_s);
    TScriptedDialogs dialogs;
    dialogs.FFileAnswers = {{u"080"_s}, {}};
    QVERIFY(EditContactRow(dialogs, rows[4]));
    QVERIFY(!EditContactRow(dialogs, rows[1])); // cancelled
    QCOMPARE(dialogs.Texts(u"input"_s), (QStringList{u"携帯電話番号 の編集|テキストを入力してください"_s,
                                                     u"フルネーム の編集|テキストを入力してください"_s}));
    r.CellPhone = u"080"_s;
    QCOMPARE(ContactFromEditorRows(rows), r);
}

namespace {

QStringList Calendar(const QStringList &blocks)
{
    return QStringList{u"BEGIN:VCALENDAR"_s, u"VERSION:2.0"_s} + blocks + QStringList{u"END:VCALENDAR"_s};
}

QStringList Block(const QString &kind, const QStringList &properties)
{
    return QStringList{u"BEGIN:"_s + kind, u"SUMMARY:s"_s} + properties + QStringList{u"END:"_s + kind};
}

} // namespace

void TstPimCommands::expired_data()
{
    // The threshold is 2005-03-20 09:16; a file is expired only when every entry in it has ended.
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("judged");
    QTest::addRow("one minute before") << EventLines(u"20050320T091500"_s) << u"expired"_s;
    QTest::addRow("one minute after") << EventLines(u"20050320T091700"_s) << u"kept"_s;
    QTest::addRow("exactly at") << EventLines(u"20050320T091600"_s) << u"kept"_s;
    QTest::addRow("date only is midnight") << EventLines(u"20050320"_s) << u"expired"_s;
    QTest::addRow("no start never ends") << EventLines(QString()) << u"kept"_s;
    QTest::addRow("unreadable start") << EventLines(u"yesterday"_s) << u"unreadable"_s;
    QTest::addRow("export with future events")
        << Calendar(Block(u"VEVENT"_s, {u"DTSTART:20040101T100000"_s}) +
                    Block(u"VEVENT"_s, {u"DTSTART:20270101T100000"_s}) +
                    Block(u"VEVENT"_s, {u"DTSTART:20300101T100000"_s}))
        << u"partly"_s;
    QTest::addRow("export all past") << Calendar(Block(u"VEVENT"_s, {u"DTSTART:20040101T100000"_s}) +
                                                 Block(u"VEVENT"_s, {u"DTSTART:20050101T100000"_s}))
                                     << u"expired"_s;
    QTest::addRow("series without end")
        << Calendar(Block(u"VEVENT"_s, {u"DTSTART:20000101T100000"_s, u"RRULE:FREQ=WEEKLY"_s})) << u"kept"_s;
    QTest::addRow("series until past")
        << Calendar(Block(u"VEVENT"_s,
                          {u"DTSTART:20000101T100000"_s, u"RRULE:FREQ=DAILY;UNTIL=20010101T000000Z"_s}))
        << u"expired"_s;
    QTest::addRow("series counted into the future")
        << Calendar(Block(u"VEVENT"_s, {u"DTSTART:20050301T100000"_s, u"RRULE:FREQ=DAILY;COUNT=30"_s}))
        << u"kept"_s;
    QTest::addRow("ends after the threshold")
        << Calendar(Block(u"VEVENT"_s, {u"DTSTART:20050320T090000"_s, u"DTEND:20050320T100000"_s}))
        << u"kept"_s;
    QTest::addRow("all-day past") << Calendar(Block(u"VEVENT"_s, {u"DTSTART;VALUE=DATE:20050319"_s}))
                                  << u"expired"_s;
    QTest::addRow("zoned future") << Calendar(
                                         Block(u"VEVENT"_s, {u"DTSTART;TZID=Asia/Tokyo:20270101T000000"_s}))
                                  << u"kept"_s;
    QTest::addRow("to-do due in the future")
        << Calendar(Block(u"VTODO"_s, {u"DTSTART:20040101T000000"_s, u"DUE;VALUE=DATE:20270101"_s}))
        << u"kept"_s;
    QTest::addRow("event past, to-do to come")
        << Calendar(Block(u"VEVENT"_s, {u"DTSTART:20040101T000000"_s}) +
                    Block(u"VTODO"_s, {u"DUE:20270101T000000Z"_s}))
        << u"partly"_s;
}

void TstPimCommands::expired()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, judged);
    TPlayer p;
    p.Calendar(u"f.ics"_s, lines);
    const QStringList rows = FilesOf(p.commands.LoadEventList());
    const TPimCommands::TExpiredScan scan = p.commands.ScanExpired(rows, At(2005, 3, 20, 9, 16));
    const QString got = !scan.FExpired.isEmpty()      ? u"expired"_s
                        : !scan.FPartly.isEmpty()     ? u"partly"_s
                        : !scan.FUnreadable.isEmpty() ? u"unreadable"_s
                                                      : u"kept"_s;
    QCOMPARE(got, judged);
}

void TstPimCommands::expiredKeepsPartlyPastFile()
{
    // The usual export of a calendar program: one file, past and future events. Nothing is lost, and
    // the file is named.
    TPlayer p;
    p.Calendar(u"export.ics"_s, Calendar(Block(u"VEVENT"_s, {u"DTSTART:20040101T100000"_s}) +
                                         Block(u"VEVENT"_s, {u"DTSTART:20270101T100000"_s})));
    p.Calendar(u"old.ics"_s, EventLines(u"20000101T000000"_s));
    p.dialogs.FAnswers = {TDialogAnswer::Ok};
    QCOMPARE(p.commands.DeleteExpired(TCalendarList::Events, FilesOf(p.commands.LoadEventList()),
                                      At(2005, 1, 1, 0, 0)),
             1);
    QCOMPARE(p.dialogs.Texts(u"warning"_s),
             QStringList{u"経過していない予定も含むファイルは削除しませんでした: export.ics"_s});
    QCOMPARE(QDir(p.dir.filePath(u"Calendars"_s)).entryList(QDir::Files), QStringList{u"export.ics"_s});
}

void TstPimCommands::expiredTasksWithoutStart()
{
    // A to-do without a start sorts first; it is judged like the others and does not end the scan.
    TPlayer p;
    p.Calendar(u"a.ics"_s, Calendar(Block(u"VTODO"_s, {})));
    p.Calendar(u"b.ics"_s, Calendar(Block(u"VTODO"_s, {u"DTSTART:20000101T000000"_s})));
    p.dialogs.FAnswers = {TDialogAnswer::Ok};
    TTodoListModel list; // in the order the window shows them: the one without a start first
    list.SetRows(p.commands.LoadTaskList());
    QCOMPARE(list.Row(list.ItemOfRow(0)).FDue, QString());
    QCOMPARE(p.commands.DeleteExpired(TCalendarList::Tasks, list.FilesInOrder(), At(2005, 1, 1, 0, 0)), 1);
    QCOMPARE(QDir(p.dir.filePath(u"Calendars"_s)).entryList(QDir::Files), QStringList{u"a.ics"_s});
}

void TstPimCommands::expiredQuestion_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<TDialogAnswer>("answer");
    QTest::addColumn<int>("deleted");
    QTest::addRow("events confirmed") << 0 << TDialogAnswer::Ok << 2;
    QTest::addRow("tasks confirmed") << 1 << TDialogAnswer::Ok << 2;
    QTest::addRow("cancelled") << 0 << TDialogAnswer::Cancel << 0;
}

void TstPimCommands::expiredQuestion()
{
    QFETCH(int, tag);
    QFETCH(TDialogAnswer, answer);
    QFETCH(int, deleted);
    TPlayer p;
    p.Calendar(u"a.ics"_s, EventLines(u"20000101T000000"_s));
    p.Calendar(u"b.ics"_s, EventLines(u"20010101T000000"_s));
    p.Calendar(u"c.ics"_s, EventLines(u"29990101T000000"_s));
    p.dialogs.FAnswers = {answer};
    const QStringList rows = FilesOf(p.commands.LoadEventList());
    p.services.FLoadedTabs.clear();
    QCOMPARE(p.commands.DeleteExpired(TCalendarList(tag), rows, At(2005, 1, 1, 0, 0)), deleted);
    QCOMPARE(p.dialogs.Texts(u"okcancel"_s),
             QStringList{tag == 0 ? u"2 個のスケジュールが既に経過済みです。削除してもよろしいですか？"_s
                                  : u"2 個のタスクが既に経過済みです。削除してもよろしいですか？"_s});
    QCOMPARE(QDir(p.dir.filePath(u"Calendars"_s)).entryList(QDir::Files).size(), 3 - deleted);
    QCOMPARE(p.services.FLoadedTabs, deleted ? QList<int>{tag == 0 ? 2 : 5} : QList<int>{});
}

void TstPimCommands::expiredPastBadFile()
{
    // A file whose start cannot be read is named and kept; the others expire all the same.
    TPlayer p;
    p.Calendar(u"a.ics"_s, EventLines(u"20000101T000000"_s));
    p.Calendar(u"bad.ics"_s, EventLines(u"yesterday"_s));
    p.Calendar(u"c.ics"_s, EventLines(u"20010101T000000"_s));
    p.Calendar(u"d.ics"_s, EventLines(u"29990101T000000"_s));
    p.dialogs.FAnswers = {TDialogAnswer::Ok};
    const QStringList rows = FilesOf(p.commands.LoadEventList());
    const TPimCommands::TExpiredScan scan = p.commands.ScanExpired(rows, At(2005, 1, 1, 0, 0));
    QCOMPARE(scan.FExpired.size(), 2);
    QCOMPARE(scan.FUnreadable, QStringList{u"bad.ics"_s});
    QCOMPARE(p.commands.DeleteExpired(TCalendarList::Events, rows, At(2005, 1, 1, 0, 0)), 2);
    QCOMPARE(p.dialogs.Texts(u"warning"_s),
             QStringList{u"日時を読めないファイルは削除の対象から外しました: bad.ics"_s});
    QCOMPARE(QDir(p.dir.filePath(u"Calendars"_s)).entryList(QDir::Files, QDir::Name),
             (QStringList{u"bad.ics"_s, u"d.ics"_s}));
}

void TstPimCommands::month_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("step");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("label");
    QTest::addRow("31 January to end of February")
        << QDate(2005, 1, 31) << 1 << QDate(2005, 2, 28) << u"2005年02月"_s;
    QTest::addRow("leap year") << QDate(2004, 1, 31) << 1 << QDate(2004, 2, 29) << u"2004年02月"_s;
    QTest::addRow("30 April back to 30 March")
        << QDate(2005, 4, 30) << -1 << QDate(2005, 3, 30) << u"2005年03月"_s;
    QTest::addRow("across the year") << QDate(2005, 12, 15) << 1 << QDate(2006, 1, 15) << u"2006年01月"_s;
}

void TstPimCommands::month()
{
    QFETCH(QDate, from);
    QFETCH(int, step);
    QFETCH(QDate, to);
    QFETCH(QString, label);
    TCalendarMonth m;
    m.SetCalendarDate(from);
    if (step > 0)
        m.NextMonth();
    else
        m.PrevMonth();
    QCOMPARE(m.FDate, to);
    QCOMPARE(m.YearMonthLabel(), label);
}

namespace {

/// An entry of an exported calendar: its summary and its start (DTSTART, or DUE for a to-do).
QStringList Entry(const QString &kind, const QString &summary, const QString &start)
{
    return {u"BEGIN:"_s + kind, u"SUMMARY:"_s + summary,
            (kind == u"VTODO"_s ? u"DUE:"_s : u"DTSTART:"_s) + start, u"END:"_s + kind};
}

} // namespace

void TstPimCommands::exportRows_data()
{
    // Summaries and stored starts of the rows, in file order.
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("tasks");
    QTest::addRow("three events, the future ones too")
        << Calendar(Entry(u"VEVENT"_s, u"past"_s, u"20040101T100000"_s) +
                    Entry(u"VEVENT"_s, u"soon"_s, u"20270101T100000"_s) +
                    Entry(u"VEVENT"_s, u"later"_s, u"20300101T100000"_s))
        << QStringList{u"past|20040101T100000"_s, u"soon|20270101T100000"_s, u"later|20300101T100000"_s}
        << QStringList{};
    QTest::addRow("events and to-dos") << Calendar(Entry(u"VTODO"_s, u"buy"_s, u"20270102T000000"_s) +
                                                   Entry(u"VEVENT"_s, u"meet"_s, u"20270101T100000"_s) +
                                                   Entry(u"VTODO"_s, u"pay"_s, u"20270103T000000"_s) +
                                                   Entry(u"VEVENT"_s, u"fly"_s, u"20270104T100000"_s))
                                       << QStringList{u"meet|20270101T100000"_s, u"fly|20270104T100000"_s}
                                       << QStringList{u"buy|20270102T000000"_s, u"pay|20270103T000000"_s};
    QTest::addRow("one event") << EventLines(u"20050320T091600"_s) << QStringList{u"予定|20050320T091600"_s}
                               << QStringList{};
}

void TstPimCommands::exportRows()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, events);
    QFETCH(QStringList, tasks);
    TPlayer p;
    p.Calendar(u"export.ics"_s, lines);
    QStringList eventRows, taskRows;
    for (const TCalendarRow &row : p.commands.LoadEventList()) {
        QCOMPARE(row.FFile, u"export.ics"_s);
        QCOMPARE(row.FShownStart, ShownCalendarDateTime(row.FStart));
        eventRows.append(row.FTitle + u'|' + row.FStart);
    }
    for (const TTaskRow &row : p.commands.LoadTaskList()) {
        QCOMPARE(row.FFile, u"export.ics"_s);
        taskRows.append(row.FName + u'|' + row.FDue);
    }
    QCOMPARE(eventRows, events);
    QCOMPARE(taskRows, tasks);
    // Every row stands for its own entry in the model too: none is merged with another.
    TCalendarListModel model;
    QAbstractItemModelTester tester(&model);
    model.SetRows(p.commands.LoadEventList());
    QCOMPARE(model.rowCount(), events.size());
}

void TstPimCommands::severalEntriesSaid_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("entries"); // 1: no word about the other entries
    const QStringList card{u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"FN:x"_s, u"END:vcard"_s};
    QTest::addRow("address book of three cards") << int(TTabCode::Contacts) << card + card + card << 3;
    QTest::addRow("one card") << int(TTabCode::Contacts) << card << 1;
    QTest::addRow("calendar export: two events and a to-do")
        << int(TTabCode::Events)
        << Calendar(Entry(u"VEVENT"_s, u"a"_s, u"20270101T100000"_s) +
                    Entry(u"VTODO"_s, u"b"_s, u"20270102T100000"_s) +
                    Entry(u"VEVENT"_s, u"c"_s, u"20270103T100000"_s))
        << 3;
    QTest::addRow("to-dos of an export") << int(TTabCode::ToDo)
                                         << Calendar(Entry(u"VTODO"_s, u"a"_s, u"20270101T100000"_s) +
                                                     Entry(u"VTODO"_s, u"b"_s, u"20270102T100000"_s))
                                         << 2;
    QTest::addRow("one event") << int(TTabCode::Events) << EventLines(u"20050320T091600"_s) << 1;
}

void TstPimCommands::severalEntriesSaid()
{
    QFETCH(int, tab);
    QFETCH(QStringList, lines);
    QFETCH(int, entries);
    TPlayer p;
    const TTabCode code = TTabCode(tab);
    const bool contacts = code == TTabCode::Contacts;
    const QString name = contacts ? u"all.vcf"_s : u"all.ics"_s;
    const QString path = contacts ? WriteLinesFile(p.dir.filePath(u"Contacts"_s), name, lines, false)
                                  : p.Calendar(name, lines);
    QCOMPARE(p.commands.EntriesInFile(code, name), entries);

    // Editing: asked first when the file holds more; No keeps the editor closed.
    p.dialogs.FAnswers = {TDialogAnswer::No};
    QCOMPARE(p.commands.ConfirmEditOfFile(code, name), entries == 1);
    const QString editQuestion =
        u"[ all.%1 ] には %2 件の項目が入っています。編集できるのはファイルの最初の項目だけで、保存すると"
        u"このファイルを書き換えます。編集してもよろしいですか？"_s.arg(contacts ? u"vcf"_s : u"ics"_s)
            .arg(entries);
    QCOMPARE(p.dialogs.Texts(u"yesno"_s), entries > 1 ? QStringList{editQuestion} : QStringList{});
    QVERIFY(p.commands.ConfirmEditOfFile(code, QString())); // a new entry: nothing to say

    // Deleting two rows of the file: one question that names the file with its count, then it goes whole.
    p.dialogs.FCalls.clear();
    p.dialogs.FAnswers = {TDialogAnswer::Yes};
    const bool deleted = code == TTabCode::Contacts ? p.commands.DeleteSelectedContacts({name, name})
                         : code == TTabCode::Events ? p.commands.DeleteSelectedEvents({name, name})
                                                    : p.commands.DeleteSelectedTasks({name, name});
    QVERIFY(deleted);
    QVERIFY(!QFileInfo::exists(path));
    const QString deleteQuestion = u"[ %1 ]を削除してもよろしいですか？"_s.arg(name);
    QCOMPARE(p.dialogs.Texts(u"yesno"_s),
             QStringList{entries > 1 ? u"次のファイルには複数の項目が入っていて、ファイルごと削除されます: "
                                       u"[ %1 ] (%2 件)\n"_s.arg(name)
                                               .arg(entries) +
                                           deleteQuestion
                                     : deleteQuestion});
}

QTEST_GUILESS_MAIN(TstPimCommands)
#include "tst_pimcommands.moc"
