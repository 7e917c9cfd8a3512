#pragma once

#include "common/datetime.h"
#include "pim/kiruvcal.h"
#include "pim/kiruvcf.h"
#include "pim/kiruvtodo.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

class IUserDialogs;

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
    QString FCaption;
    QString FValue;
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
    Q_DECLARE_TR_FUNCTIONS(TCalendarMonth)

public:
    void SetCalendarDate(QDate date) { FDate = date; }
    /// One month forward or back, keeping the day or taking the month's last day.
    void NextMonth() { FDate = FDate.addMonths(1); }
    void PrevMonth() { FDate = FDate.addMonths(-1); }
    QString YearMonthLabel() const;
    QDate FDate = QDate::currentDate();
};
