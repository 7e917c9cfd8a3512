#include "pim/todotab.h"

#include "pim/pimtab.h"
#include "pim/todoform.h"
#include "session/playersession.h"
#include "ui_todotab.h"
#include "widgets/contextmenu.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

TToDoTab::TToDoTab(TTabContext context, QWidget *parent)
    : TTabPage(context, parent), FUi(std::make_unique<Ui::TToDoTab>())
{
    FUi->setupUi(this);
    FUi->TodoListView->SetReportModel(&FModel);
    FUi->TodoListView->SetColumnWidths({160, 0, 120, 150, 120});
    for (int column : FModel.HiddenColumns())
        FUi->TodoListView->setColumnHidden(column, true);
    FUi->TodoListView->setSelectionMode(QAbstractItemView::SingleSelection);
    FPopupMenu = new TContextMenu(u"PopupMenu_ToDo"_s, FUi->TodoListView, Dialogs());
    FPopupMenu->Add(FUi->Action_TodoNew);
    FPopupMenu->Add(FUi->Action_TodoEdit, EnterKeys());
    FPopupMenu->Add(FUi->Action_TodoDelete);
    FPopupMenu->addSeparator();
    FPopupMenu->Add(FUi->Action_TodoExpired);

    const auto command = [this](void (TToDoTab::*handler)()) {
        return [this, handler] { Guarded([this, handler] { (this->*handler)(); }); };
    };
    connect(FUi->SButton_NewVTodo, &QPushButton::clicked, this, command(&TToDoTab::NewTaskDueNow));
    connect(FUi->SButton_EditVTodo, &QPushButton::clicked, this, command(&TToDoTab::EditSelectedTask));
    connect(FUi->Action_TodoNew, &QAction::triggered, this, command(&TToDoTab::NewTask));
    connect(FUi->Action_TodoEdit, &QAction::triggered, this, command(&TToDoTab::EditSelectedTask));
    connect(FUi->Action_TodoDelete, &QAction::triggered, this, command(&TToDoTab::DeleteTasks));
    // A double click on a task opens it, as Enter does.
    connect(FUi->TodoListView, &TReportListView::ItemActivated, this, command(&TToDoTab::EditSelectedTask));
    connect(FUi->SButton_DeleteVTodo, &QPushButton::clicked, this, command(&TToDoTab::DeleteExpiredTasks));
    connect(FUi->Action_TodoExpired, &QAction::triggered, this, command(&TToDoTab::DeleteExpiredTasks));

    connect(&Session(), &TPlayerSession::calendarChanged, this, [this] {
        FModel.SetRows(Session().Tasks());
        for (int column : FModel.HiddenColumns()) // a first fill shows every column again
            FUi->TodoListView->setColumnHidden(column, true);
    });
    connect(&Session(), &TPlayerSession::playerLost, this, [this] { FModel.Clear(); });
}

TToDoTab::~TToDoTab() = default;

void TToDoTab::Entering()
{
    FUi->TodoListView->setFocus();
    if (!Session().TasksLoaded())
        Session().LoadTasks();
}

void TToDoTab::NewTask()
{
    EditTask(QString(), 0);
}

void TToDoTab::NewTaskDueNow()
{
    EditTask(QString(), NowDateTime());
}

void TToDoTab::EditSelectedTask()
{
    const QList<int> selected = FUi->TodoListView->SelectedItems();
    if (selected.isEmpty()) {
        EditTask(QString(), NowDateTime());
        return;
    }
    const QString file = FModel.FileOf(selected.first());
    if (Session().PimCommands().ConfirmEditOfFile(TTabCode::ToDo, file))
        EditTask(Session().Player().FCalendarsDir + file, 0);
}

void TToDoTab::DeleteExpiredTasks()
{
    DeleteExpiredEntries(FContext, TCalendarList::Tasks, FModel);
}

void TToDoTab::EditTask(const QString &path, TDateTime preset)
{
    TToDoForm editor(Window());
    if (!path.isEmpty() && QFileInfo::exists(path))
        editor.SetValues(TTaskEditorValues::FromRecord(TKiruVTodo(path).GetRecord()));
    if (preset != 0)
        editor.Preset(preset);
    if (editor.exec() != QDialog::Accepted)
        return;
    Session().PimCommands().SaveTask(path, editor.Values().ToRecord());
}

void TToDoTab::DeleteTasks()
{
    QStringList names;
    for (int item : FUi->TodoListView->SelectedItems())
        names.append(FModel.FileOf(item));
    Session().PimCommands().DeleteSelectedTasks(names);
}
