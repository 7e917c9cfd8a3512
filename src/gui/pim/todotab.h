#pragma once

#include "mainform/tabpage.h"
#include "pim/pimcommands.h"
#include "pim/pimlistmodels.h"

#include <QMenu>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class TToDoTab;
}
class TMainForm;

/// The to-do tab: the list of the player's tasks with new, edit, delete and the deletion of expired ones.
class TToDoTab : public QWidget, public ITabPage
{
    Q_OBJECT
public:
    explicit TToDoTab(TMainForm &form);
    ~TToDoTab() override;

    QWidget *PageWidget() override { return this; }
    bool ListEmpty() const override { return FModel.rowCount() == 0; }
    void LoadTabData(TTabCode tabCode) override;
    void ClearList() override { FModel.Clear(); }
    void Entering() override;

    /// 0 new task, 1 edit the selected one (new at now when none), 2 delete the selected one, 4 new
    /// task at now.
    void SButton_NewVTodoClick(int tag);
    /// Opens the editor on a task file (full path) or a new task; a preset other than 0 sets the
    /// deadline.
    void EditTask(const QString &path, TDateTime preset);
    void DeleteSelectedTasks();

    TTodoListModel &Model() { return FModel; }

private:
    void Guarded(const std::function<void()> &command);

    std::unique_ptr<Ui::TToDoTab> FUi;
    TMainForm &FForm;
    TTodoListModel FModel;
    QMenu FPopupMenu;
};
