#include "pim/todotab.h"

#include "device/kiruipod.h"
#include "dialogs/guarded.h"
#include "mainform/mainform.h"
#include "pim/pimtab.h"
#include "pim/todoform.h"
#include "ui_todotab.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

TToDoTab::TToDoTab(TMainForm &form) : FUi(std::make_unique<Ui::TToDoTab>()), FForm(form), FPopupMenu(this)
{
    FUi->setupUi(this);
    FPopupMenu.setObjectName(u"PopupMenu_ToDo"_s);
    FUi->TodoListView->SetReportModel(&FModel);
    FUi->TodoListView->SetColumnWidths({160, 0, 120, 150, 120});
    FUi->TodoListView->setColumnHidden(pcHiddenStart, true);
    FUi->TodoListView->setSelectionMode(QAbstractItemView::SingleSelection);
    AddListAction(FPopupMenu, FUi->TodoListView, FUi->Action_TodoNew);
    AddListAction(FPopupMenu, FUi->TodoListView, FUi->Action_TodoEdit, EnterKeys());
    AddListAction(FPopupMenu, FUi->TodoListView, FUi->Action_TodoDelete);
    FPopupMenu.addSeparator();
    AddListAction(FPopupMenu, FUi->TodoListView, FUi->Action_TodoExpired);
    UsePopupMenu(FUi->TodoListView, FPopupMenu);

    connect(FUi->SButton_NewVTodo, &QPushButton::clicked, this, [this] { SButton_NewVTodoClick(4); });
    connect(FUi->SButton_EditVTodo, &QPushButton::clicked, this, [this] { SButton_NewVTodoClick(1); });
    connect(FUi->Action_TodoNew, &QAction::triggered, this, [this] { SButton_NewVTodoClick(0); });
    connect(FUi->Action_TodoEdit, &QAction::triggered, this, [this] { SButton_NewVTodoClick(1); });
    connect(FUi->Action_TodoDelete, &QAction::triggered, this, [this] { SButton_NewVTodoClick(2); });
    // A double click on a task opens it, as Enter does.
    connect(FUi->TodoListView, &TReportListView::ItemActivated, this, [this] { SButton_NewVTodoClick(1); });
    const auto expired = [this] { Guarded([this] { DeleteExpiredEntries(FForm, TCalendarList::Tasks, FModel); }); };
    connect(FUi->SButton_DeleteVTodo, &QPushButton::clicked, this, expired);
    connect(FUi->Action_TodoExpired, &QAction::triggered, this, expired);
}

TToDoTab::~TToDoTab() = default;

void TToDoTab::Guarded(const std::function<void()> &command)
{
    RunGuarded(FForm.Dialogs(), command);
}

void TToDoTab::LoadTabData(TTabCode)
{
    FModel.Fill(PimCommands(FForm).LoadTaskList());
    FUi->TodoListView->setColumnHidden(pcHiddenStart, true);
}

void TToDoTab::Entering()
{
    FUi->TodoListView->setFocus();
}

void TToDoTab::SButton_NewVTodoClick(int tag)
{
    Guarded([&] {
        switch (tag) {
        case 0:
            // The editor itself starts on now.
            EditTask(QString(), 0);
            break;
        case 1: {
            const QList<int> selected = FUi->TodoListView->SelectedItems();
            if (selected.isEmpty())
                EditTask(QString(), NowDateTime());
            else
                EditTask(FForm.Device().FChecker.FCalendarsDir + FModel.FileOf(selected.first()), 0);
            break;
        }
        case 2:
            DeleteSelectedTasks();
            break;
        case 4:
            EditTask(QString(), NowDateTime());
            break;
        }
    });
}

void TToDoTab::EditTask(const QString &path, TDateTime preset)
{
    TToDoForm editor(&FForm);
    if (!path.isEmpty() && QFileInfo::exists(path))
        editor.SetValues(TTaskEditorValues::FromRecord(TKiruVTodo(path).GetRecord()));
    if (preset != 0)
        editor.Preset(preset);
    if (editor.exec() != QDialog::Accepted)
        return;
    PimCommands(FForm).SaveTask(path, editor.Values().ToRecord());
}

void TToDoTab::DeleteSelectedTasks()
{
    QStringList names;
    for (int item : FUi->TodoListView->SelectedItems())
        names.append(FModel.FileOf(item));
    PimCommands(FForm).DeleteSelectedTasks(names);
}
