#pragma once

#include "mainform/tabpage.h"
#include "pim/pimcommands.h"
#include "pim/pimeditors.h"
#include "pim/pimlistmodels.h"

#include <QMenu>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class TCalendarTab;
}
class TMainForm;

/// The calendar tab: the event list page and the month view page that picks a date for a new event.
class TCalendarTab : public QWidget, public ITabPage
{
    Q_OBJECT
public:
    explicit TCalendarTab(TMainForm &form);
    ~TCalendarTab() override;

    QWidget *PageWidget() override { return this; }
    bool ListEmpty() const override { return FModel.rowCount() == 0; }
    void LoadTabData(TTabCode tabCode) override;
    void ClearList() override { FModel.Clear(); }
    /// Shows the list page and puts the month view on today.
    void Entering() override;

    /// 0 new event, 1 edit the selected one (new when none), 2 delete the selected ones, 4 new event at
    /// midnight of the month view's date.
    void Button_NewCalendarClick(int tag);
    /// Opens the editor on an event file (full path) or a new event; a preset other than 0 sets every
    /// date and time.
    void EditEvent(const QString &path, TDateTime preset);
    void DeleteSelectedEvents();

    /// Shows the date in the grid, the three pickers and the label.
    void SetCalendarDate(QDate date);
    /// 0 today, 1..3 the year, month or day picker's date, 4 the grid's date.
    void SButton_Cal_SetGraphClick(int tag);
    /// 0 next month, 1 previous month.
    void CalGraph_NextPrevClick(int tag);
    QDate CalendarDate() const { return FMonth.FDate; }

    TCalendarListModel &Model() { return FModel; }

private:
    void Guarded(const std::function<void()> &command);

    std::unique_ptr<Ui::TCalendarTab> FUi;
    TMainForm &FForm;
    TCalendarListModel FModel;
    TCalendarMonth FMonth;
    QMenu FPopupMenu;
    bool FSettingDate = false;
};
