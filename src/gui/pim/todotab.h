#pragma once

#include "mainform/tabpage.h"
#include "pim/pimcommands.h"
#include "pim/pimlistmodels.h"

#include <memory>

namespace Ui {
class TToDoTab;
}
class TContextMenu;

/// The to-do tab: the list of the player's tasks with new, edit, delete and the deletion of expired ones.
class TToDoTab : public TTabPage
{
    Q_OBJECT
public:
    explicit TToDoTab(TTabContext context, QWidget *parent = nullptr);
    ~TToDoTab() override;

    /// Reads the tasks the first time the page is shown after a recognition.
    void Entering() override;

    /// The menu's "新規作成": a new task (the editor starts on now).
    void NewTask();
    /// The button's "新規作成": a new task due now.
    void NewTaskDueNow();
    /// "編集": the selected task (a new one due now when none is selected).
    void EditSelectedTask();
    /// "削除": the selected task, after asking.
    void DeleteTasks();
    /// "期限切れを削除": the tasks that began before a date the user gives.
    void DeleteExpiredTasks();
    /// Opens the editor on a task file (full path) or a new task; a preset other than 0 sets the
    /// deadline.
    void EditTask(const QString &path, TDateTime preset);

    TTodoListModel &Model() { return FModel; }

private:
    std::unique_ptr<Ui::TToDoTab> FUi;
    TTodoListModel FModel;
    TContextMenu *FPopupMenu = nullptr;
};
