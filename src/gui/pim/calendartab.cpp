#include "pim/calendartab.h"
#include "app/language.h"

#include "notes/textimport.h"
#include "pim/pimtab.h"
#include "pim/scheduleform.h"
#include "session/playersession.h"
#include "ui_calendartab.h"
#include "widgets/contextmenu.h"

#include <QFileInfo>
#include <QSignalBlocker>

using namespace Qt::Literals::StringLiterals;

TCalendarTab::TCalendarTab(TTabContext context, QWidget *parent)
    : TTabPage(context, parent), FUi(std::make_unique<Ui::TCalendarTab>())
{
    FUi->setupUi(this);
    FUi->CalendarListView->SetReportModel(&FModel);
    FUi->CalendarListView->SetColumnWidths({160, 0, 120, 150, 120});
    for (int column : FModel.HiddenColumns())
        FUi->CalendarListView->setColumnHidden(column, true);
    FPopupMenu = new TContextMenu(u"PopupMenu_Calendar"_s, FUi->CalendarListView, Dialogs());
    FPopupMenu->Add(FUi->Action_CalNew);
    FPopupMenu->Add(FUi->Action_CalEdit, EnterKeys());
    FPopupMenu->Add(FUi->Action_CalDelete);
    FPopupMenu->addSeparator();
    FPopupMenu->Add(FUi->Action_CalImport);

    //: Display format (QDateTime) of the year field; the fields keep the Japanese locale
    SetupDatePicker(FUi->Picker_Year, tr("yyyy年"));
    //: Display format (QDateTime) of the month field, in numbers
    SetupDatePicker(FUi->Picker_Month, tr("MM月"));
    //: Display format (QDateTime) of the day field
    SetupDatePicker(FUi->Picker_Day, tr("dd日"));
    FUi->CalendarGraph->setLocale(CurrentUiLocale()); // the days of the week in the window's language
    SetCalendarDate(QDate::currentDate());

    const auto command = [this](void (TCalendarTab::*handler)()) {
        return [this, handler] { Guarded([this, handler] { (this->*handler)(); }); };
    };
    connect(FUi->SButton_CalNew, &QPushButton::clicked, this, command(&TCalendarTab::NewEvent));
    connect(FUi->Action_CalNew, &QAction::triggered, this, command(&TCalendarTab::NewEvent));
    connect(FUi->Action_CalEdit, &QAction::triggered, this, command(&TCalendarTab::EditSelectedEvent));
    connect(FUi->CalendarListView, &TReportListView::ItemActivated, this,
            command(&TCalendarTab::EditSelectedEvent));
    connect(FUi->Action_CalDelete, &QAction::triggered, this, command(&TCalendarTab::DeleteEvents));
    connect(FUi->SpeedButton1, &QPushButton::clicked, this, command(&TCalendarTab::NewEventOnDate));
    connect(FUi->CalendarGraph, &QCalendarWidget::activated, this, command(&TCalendarTab::NewEventOnDate));
    connect(FUi->SButton_CalImport, &QPushButton::clicked, this, command(&TCalendarTab::ImportEvents));
    connect(FUi->Action_CalImport, &QAction::triggered, this, command(&TCalendarTab::ImportEvents));
    connect(FUi->SButton_CalDel, &QPushButton::clicked, this, command(&TCalendarTab::DeleteExpiredEvents));

    connect(FUi->SButton_Cal_SetToday, &QPushButton::clicked, this,
            [this] { SetCalendarDate(QDate::currentDate()); });
    connect(FUi->Picker_Year, &QDateEdit::dateChanged, this, &TCalendarTab::DateChosen);
    connect(FUi->Picker_Month, &QDateEdit::dateChanged, this, &TCalendarTab::DateChosen);
    connect(FUi->Picker_Day, &QDateEdit::dateChanged, this, &TCalendarTab::DateChosen);
    connect(FUi->CalendarGraph, &QCalendarWidget::selectionChanged, this,
            [this] { DateChosen(FUi->CalendarGraph->selectedDate()); });
    connect(FUi->SpeedButton3, &QToolButton::clicked, this, [this] { StepMonth(1); });
    connect(FUi->SpeedButton2, &QToolButton::clicked, this, [this] { StepMonth(-1); });

    connect(&Session(), &TPlayerSession::calendarChanged, this, [this] {
        FModel.SetRows(Session().Events());
        for (int column : FModel.HiddenColumns()) // a first fill shows every column again
            FUi->CalendarListView->setColumnHidden(column, true);
    });
    connect(&Session(), &TPlayerSession::playerLost, this, [this] { FModel.Clear(); });
}

TCalendarTab::~TCalendarTab() = default;

void TCalendarTab::Entering()
{
    FUi->CalendarPages->setCurrentWidget(FUi->CalSheet_List);
    SetCalendarDate(QDate::currentDate());
    FUi->CalendarListView->setFocus();
    if (!Session().EventsLoaded())
        Session().LoadEvents();
}

void TCalendarTab::DropFile(const QString &path)
{
    ImportPimFile(FContext, ikCalendar, path);
}

void TCalendarTab::NewEvent()
{
    EditEvent(QString(), 0);
}

void TCalendarTab::EditSelectedEvent()
{
    const QList<int> selected = FUi->CalendarListView->SelectedItems();
    const QString file = selected.isEmpty() ? QString() : FModel.FileOf(selected.first());
    if (!Session().PimCommands().ConfirmEditOfFile(TTabCode::Events, file))
        return;
    EditEvent(file.isEmpty() ? QString() : Session().Player().FCalendarsDir + file, 0);
}

void TCalendarTab::NewEventOnDate()
{
    EditEvent(QString(), DateToDateTime(FMonth.FDate));
}

void TCalendarTab::ImportEvents()
{
    ImportPimFile(FContext, ikCalendar);
}

void TCalendarTab::DeleteExpiredEvents()
{
    DeleteExpiredEntries(FContext, TCalendarList::Events, FModel);
}

void TCalendarTab::EditEvent(const QString &path, TDateTime preset)
{
    TScheduleForm editor(Window());
    if (!path.isEmpty() && QFileInfo::exists(path))
        editor.SetValues(TEventEditorValues::FromRecord(TKiruVCal(path).GetRecord()));
    if (preset != 0)
        editor.Preset(preset);
    if (editor.exec() != QDialog::Accepted)
        return;
    Session().PimCommands().SaveEvent(path, editor.Values().ToRecord());
}

void TCalendarTab::DeleteEvents()
{
    QStringList names;
    for (int item : FUi->CalendarListView->SelectedItems())
        names.append(FModel.FileOf(item));
    Session().PimCommands().DeleteSelectedEvents(names);
}

void TCalendarTab::SetCalendarDate(QDate date)
{
    if (!date.isValid())
        return;
    FMonth.SetCalendarDate(date);
    // Setting the grid and the pickers raises their change signals; they are not heard meanwhile.
    const QSignalBlocker blockGraph(FUi->CalendarGraph);
    const QSignalBlocker blockYear(FUi->Picker_Year);
    const QSignalBlocker blockMonth(FUi->Picker_Month);
    const QSignalBlocker blockDay(FUi->Picker_Day);
    FUi->CalendarGraph->setSelectedDate(date);
    FUi->CalendarGraph->setCurrentPage(date.year(), date.month());
    for (QDateEdit *picker : {FUi->Picker_Year, FUi->Picker_Month, FUi->Picker_Day})
        picker->setDate(date);
    FUi->YearMonthLabel->setText(FMonth.YearMonthLabel());
}

void TCalendarTab::DateChosen(QDate date)
{
    SetCalendarDate(date);
}

void TCalendarTab::StepMonth(int months)
{
    TCalendarMonth month = FMonth;
    if (months > 0)
        month.NextMonth();
    else
        month.PrevMonth();
    SetCalendarDate(month.FDate);
}
