#include "pim/calendartab.h"

#include "device/kiruipod.h"
#include "dialogs/guarded.h"
#include "mainform/mainform.h"
#include "notes/textimport.h"
#include "pim/pimtab.h"
#include "pim/scheduleform.h"
#include "ui_calendartab.h"

#include <QFileInfo>
#include <QScopedValueRollback>

using namespace Qt::Literals::StringLiterals;

TCalendarTab::TCalendarTab(TMainForm &form)
    : FUi(std::make_unique<Ui::TCalendarTab>()), FForm(form), FPopupMenu(this)
{
    FUi->setupUi(this);
    FPopupMenu.setObjectName(u"PopupMenu_Calendar"_s);
    FUi->CalendarListView->SetReportModel(&FModel);
    FUi->CalendarListView->SetColumnWidths({160, 0, 120, 150, 120});
    FUi->CalendarListView->setColumnHidden(pcHiddenStart, true);
    AddListAction(FPopupMenu, FUi->CalendarListView, FUi->Action_CalNew);
    AddListAction(FPopupMenu, FUi->CalendarListView, FUi->Action_CalEdit, EnterKeys());
    AddListAction(FPopupMenu, FUi->CalendarListView, FUi->Action_CalDelete);
    FPopupMenu.addSeparator();
    AddListAction(FPopupMenu, FUi->CalendarListView, FUi->Action_CalImport);
    UsePopupMenu(FUi->CalendarListView, FPopupMenu);

    SetupDatePicker(FUi->Picker_Year, u"yyyy年"_s);
    SetupDatePicker(FUi->Picker_Month, u"MM月"_s);
    SetupDatePicker(FUi->Picker_Day, u"dd日"_s);
    FUi->CalendarGraph->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    SetCalendarDate(QDate::currentDate());

    connect(FUi->SButton_CalNew, &QPushButton::clicked, this, [this] { Button_NewCalendarClick(0); });
    connect(FUi->Action_CalNew, &QAction::triggered, this, [this] { Button_NewCalendarClick(0); });
    connect(FUi->Action_CalEdit, &QAction::triggered, this, [this] { Button_NewCalendarClick(1); });
    connect(FUi->CalendarListView, &TReportListView::ItemActivated, this, [this] { Button_NewCalendarClick(1); });
    connect(FUi->Action_CalDelete, &QAction::triggered, this, [this] { Button_NewCalendarClick(2); });
    connect(FUi->SpeedButton1, &QPushButton::clicked, this, [this] { Button_NewCalendarClick(4); });
    connect(FUi->CalendarGraph, &QCalendarWidget::activated, this, [this] { Button_NewCalendarClick(4); });
    const auto import = [this] { Guarded([this] { ImportPimFile(FForm, ikCalendar); }); };
    connect(FUi->SButton_CalImport, &QPushButton::clicked, this, import);
    connect(FUi->Action_CalImport, &QAction::triggered, this, import);
    connect(FUi->SButton_CalDel, &QPushButton::clicked, this,
            [this] { Guarded([this] { DeleteExpiredEntries(FForm, TCalendarList::Events, FModel); }); });

    connect(FUi->SButton_Cal_SetToday, &QPushButton::clicked, this, [this] { SButton_Cal_SetGraphClick(0); });
    connect(FUi->Picker_Year, &QDateEdit::dateChanged, this, [this] { SButton_Cal_SetGraphClick(1); });
    connect(FUi->Picker_Month, &QDateEdit::dateChanged, this, [this] { SButton_Cal_SetGraphClick(2); });
    connect(FUi->Picker_Day, &QDateEdit::dateChanged, this, [this] { SButton_Cal_SetGraphClick(3); });
    connect(FUi->CalendarGraph, &QCalendarWidget::selectionChanged, this, [this] { SButton_Cal_SetGraphClick(4); });
    connect(FUi->SpeedButton3, &QToolButton::clicked, this, [this] { CalGraph_NextPrevClick(0); });
    connect(FUi->SpeedButton2, &QToolButton::clicked, this, [this] { CalGraph_NextPrevClick(1); });
}

TCalendarTab::~TCalendarTab() = default;

void TCalendarTab::Guarded(const std::function<void()> &command)
{
    RunGuarded(FForm.Dialogs(), command);
}

void TCalendarTab::LoadTabData(TTabCode)
{
    FModel.Fill(PimCommands(FForm).LoadEventList());
    FUi->CalendarListView->setColumnHidden(pcHiddenStart, true);
}

void TCalendarTab::Entering()
{
    FUi->CalendarPages->setCurrentWidget(FUi->CalSheet_List);
    SButton_Cal_SetGraphClick(0);
    FUi->CalendarListView->setFocus();
}

void TCalendarTab::Button_NewCalendarClick(int tag)
{
    Guarded([&] {
        switch (tag) {
        case 0:
            EditEvent(QString(), 0);
            break;
        case 1: {
            const QList<int> selected = FUi->CalendarListView->SelectedItems();
            EditEvent(selected.isEmpty()
                          ? QString()
                          : FForm.Device().FChecker.FCalendarsDir + FModel.FileOf(selected.first()),
                      0);
            break;
        }
        case 2:
            DeleteSelectedEvents();
            break;
        case 4:
            EditEvent(QString(), DateToDateTime(FMonth.FDate));
            break;
        }
    });
}

void TCalendarTab::EditEvent(const QString &path, TDateTime preset)
{
    TScheduleForm editor(&FForm);
    if (!path.isEmpty() && QFileInfo::exists(path))
        editor.SetValues(TEventEditorValues::FromRecord(TKiruVCal(path).GetRecord()));
    if (preset != 0)
        editor.Preset(preset);
    if (editor.exec() != QDialog::Accepted)
        return;
    PimCommands(FForm).SaveEvent(path, editor.Values().ToRecord());
}

void TCalendarTab::DeleteSelectedEvents()
{
    QStringList names;
    for (int item : FUi->CalendarListView->SelectedItems())
        names.append(FModel.FileOf(item));
    PimCommands(FForm).DeleteSelectedEvents(names);
}

void TCalendarTab::SetCalendarDate(QDate date)
{
    if (!date.isValid())
        return;
    // Setting the grid and the pickers raises their change signals; they must not come back here.
    const QScopedValueRollback<bool> setting(FSettingDate, true);
    FMonth.SetCalendarDate(date);
    FUi->CalendarGraph->setSelectedDate(date);
    FUi->CalendarGraph->setCurrentPage(date.year(), date.month());
    for (QDateEdit *picker : {FUi->Picker_Year, FUi->Picker_Month, FUi->Picker_Day})
        picker->setDate(date);
    FUi->YearMonthLabel->setText(FMonth.YearMonthLabel());
}

void TCalendarTab::SButton_Cal_SetGraphClick(int tag)
{
    if (FSettingDate)
        return;
    switch (tag) {
    case 0:
        SetCalendarDate(QDate::currentDate());
        break;
    case 1:
        SetCalendarDate(FUi->Picker_Year->date());
        break;
    case 2:
        SetCalendarDate(FUi->Picker_Month->date());
        break;
    case 3:
        SetCalendarDate(FUi->Picker_Day->date());
        break;
    case 4:
        SetCalendarDate(FUi->CalendarGraph->selectedDate());
        break;
    }
}

void TCalendarTab::CalGraph_NextPrevClick(int tag)
{
    TCalendarMonth month = FMonth;
    if (tag == 0)
        month.NextMonth();
    else
        month.PrevMonth();
    SetCalendarDate(month.FDate);
}
