#pragma once

#include "common/datetime.h"
#include "pim/kiruvcal.h"
#include "pim/kiruvcf.h"
#include "pim/kiruvtodo.h"

#include <QDate>
#include <QList>
#include <QStringList>

class IMainServices;
class IUserDialogs;
class TLagugae;

/// A calendar value as a date-time: "20050320T091600", or a date alone ("20050320") as midnight.
/// Empty text gives now; anything else raises EConvertError.
TDateTime ReadCalendarDateTime(const QString &value);
/// A calendar value as the lists show it, "yyyy/MM/dd hh:mm"; empty when it cannot be read.
QString ShownCalendarDateTime(const QString &value);
/// The 15-character form written to files: yyyymmdd "T" hhnn "00".
QString FormatCalendarDateTime(TDateTime value);

/// Columns of the lists (caption first): contacts "ファイル名", "名前", "コメント";
/// events "タイトル", "日付" (hidden), "日時", "コメント", "ファイル名";
/// tasks "タスクの名前", "Date" (hidden), "期限", "説明", "ファイル名".
enum TPimColumn : int
{
    pcHiddenStart = 1, // DTSTART as stored
    pcShownStart = 2,
    pcCalendarFile = 4,
};

/// The contacts, events and to-do tabs without their widgets: rows, saving, deletion, expired entries.
class TPimCommands
{
public:
    TPimCommands(const QString &contactsDir, const QString &calendarsDir, IUserDialogs &dialogs,
                 IMainServices *services, const TLagugae *messages);

    QList<QStringList> LoadContactList();
    /// Event files: every file but those whose first BEGIN:vtodo comes after the first line.
    QList<QStringList> LoadEventList();
    /// Task files: every file but those whose first BEGIN:vevent comes after the first line.
    QList<QStringList> LoadTaskList();

    /// Writes the record into the file (new: contacts folder + full name + ".vcf") and reloads.
    /// Returns the path written; raises ESorvoError "ファイル名[ %s ]は使えません" for an unusable name.
    QString SaveContact(const QString &path, const TIpodVCF &record);
    /// New events go to the first free "DTSTART_n.ics" (n hexadecimal).
    QString SaveEvent(const QString &path, const TIpodVCal &record);
    /// New tasks go to the first free "tDue_n.ics".
    QString SaveTask(const QString &path, const TVTodoObj &record);

    /// Asks about the first selected name, deletes every one (read-only too) and reloads the tab.
    bool DeleteSelectedContacts(const QStringList &fileNames);
    bool DeleteSelectedEvents(const QStringList &fileNames);
    bool DeleteSelectedTasks(const QStringList &fileNames);

    /// File names of the rows (in display order) whose hidden start is before the threshold; stops at
    /// the first empty start. A start that cannot be read puts its file into `unreadable` (never among
    /// the expired); without that list it raises EConvertError.
    static QStringList ExpiredEntries(const QList<QStringList> &rows, TDateTime threshold,
                                      QStringList *unreadable = nullptr);
    /// Collects, names the unreadable files in a warning, asks with the count (OK/Cancel), deletes and
    /// reloads. tag 0 events, 1 tasks. Returns the number deleted.
    int DeleteExpired(int tag, const QList<QStringList> &rows, TDateTime threshold);

    /// "DTSTART_n.ics" / "tDue_n.ics": the first name not taken, n from 0 in upper-case hexadecimal.
    QString FirstFreeEventFile(const QString &dtStart) const;
    QString FirstFreeTaskFile(const QString &due) const;

    QString FContactsDir;
    QString FCalendarsDir;

private:
    QList<QStringList> LoadCalendarRows(bool tasks);
    bool DeleteSelected(const QString &folder, const QStringList &fileNames, int tabCode);
    QString FirstFree(const QString &prefix, const QString &value) const;
    void Status(const QByteArray &key, const QString &fallback);
    void Reload(int tabCode);

    IUserDialogs &FDialogs;
    IMainServices *FServices;
    const TLagugae *FMessages;
};

/// The record shown in the event editor's fields.
struct TEventEditorValues
{
    QString Summary, Description, Categories, EventClass;
    int Priority = 0;
    TDateTime Start = 0, End = 0, Alarm = 0;
    bool UseEnd = false, UseAlarm = false;

    /// Record to fields: empty or unreadable dates become now; a non-numeric priority 0.
    static TEventEditorValues FromRecord(const TIpodVCal &record);
    /// Preset of a new event: all three date-times.
    void Preset(TDateTime value);
    /// Fields to record: PRIORITY always written; end and alarm empty when switched off.
    TIpodVCal ToRecord() const;
};

/// The task editor's fields: the deadline as one date-time.
struct TTaskEditorValues
{
    QString Summary, Description;
    TDateTime Due = 0;

    /// Record to fields: an empty or unreadable deadline becomes now.
    static TTaskEditorValues FromRecord(const TVTodoObj &record);
    TVTodoObj ToRecord() const;
};

/// One row of the contact editor: caption ("名前", ...) and content.
struct TContactEditorRow
{
    QString Caption;
    QString Value;
    bool operator==(const TContactEditorRow &) const = default;
};

/// The contact editor's rows in their shown order (名前, フルネーム, 役職, 所属, 携帯電話番号, ...).
QList<TContactEditorRow> ContactEditorRows(const TIpodVCF &record);
/// The record back from the rows (matched by caption).
TIpodVCF ContactFromEditorRows(const QList<TContactEditorRow> &rows);
/// Edits one row's content in an input box titled caption + " の編集"; false when cancelled.
bool EditContactRow(IUserDialogs &dialogs, TContactEditorRow &row);

/// The month view's date: the grid, the three pickers and the "yyyy年MM月" label follow it.
class TCalendarMonth
{
public:
    void SetCalendarDate(QDate date) { FDate = date; }
    /// One month forward or back, keeping the day or taking the month's last day.
    void NextMonth() { FDate = FDate.addMonths(1); }
    void PrevMonth() { FDate = FDate.addMonths(-1); }
    QString YearMonthLabel() const;
    QDate FDate = QDate::currentDate();
};
