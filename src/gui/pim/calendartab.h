#pragma once

#include "mainform/tabpage.h"
#include "pim/pimcommands.h"
#include "pim/pimeditors.h"
#include "pim/pimlistmodels.h"

#include <memory>

namespace Ui {
class TCalendarTab;
}
class TContextMenu;

/// The calendar tab: the event list page and the month view page that picks a date for a new event.
class TCalendarTab : public TTabPage
{
    Q_OBJECT
public:
    explicit TCalendarTab(TTabContext context, QWidget *parent = nullptr);
    ~TCalendarTab() override;

    /// Shows the list page, puts the month view on today and reads the events the first time the page
    /// is shown after a recognition.
    void Entering() override;
    bool AcceptsDrops() const override { return true; }
    /// A dropped vCalendar file is copied onto the player.
    void DropFile(const QString &path) override;

    /// "新規作成": a new event.
    void NewEvent();
    /// "編集": the selected event (a new one when none is selected).
    void EditSelectedEvent();
    /// "削除": the selected events, after asking.
    void DeleteEvents();
    /// A new event at midnight of the month view's date.
    void NewEventOnDate();
    /// "取り込み": a vCalendar file chosen in the open dialog.
    void ImportEvents();
    /// "期限切れを削除": the events that began before a date the user gives.
    void DeleteExpiredEvents();
    /// Opens the editor on an event file (full path) or a new event; a preset other than 0 sets every
    /// date and time.
    void EditEvent(const QString &path, TDateTime preset);
    /// Shows the date in the grid, the three pickers and the label.
    void SetCalendarDate(QDate date);
    /// The month after (+1) or before (-1) the one shown.
    void StepMonth(int months);
    QDate CalendarDate() const { return FMonth.FDate; }
    TCalendarListModel &Model() { return FModel; }

private:
    /// A picker or the grid changed: shows its date everywhere.
    void DateChosen(QDate date);

    std::unique_ptr<Ui::TCalendarTab> FUi;
    TCalendarListModel FModel;
    TCalendarMonth FMonth;
    TContextMenu *FPopupMenu = nullptr;
};
