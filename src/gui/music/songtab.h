#pragma once

#include "mainform/tabpage.h"
#include "music/songlist.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TSongTab;
}
class QAction;
class QMenu;
class QModelIndex;
class QStandardItemModel;
class TMainForm;
class TSongListModel;

/// The song tab: the checkable song list beside the artist/album tree, the summary of the checked songs,
/// extraction, search and song information.
class TSongTab : public QWidget, public ITabPage
{
    Q_OBJECT
public:
    explicit TSongTab(TMainForm &form, QWidget *parent = nullptr);
    ~TSongTab() override;

    // ITabPage
    QWidget *PageWidget() override { return this; }
    bool ListEmpty() const override;
    void LoadTabData(TTabCode tabCode) override;
    void ClearList() override;
    void Entering() override;
    void Loaded() override;

    /// Rows and tree from the loaded song database, inside the progress window.
    void LoadSongList();
    /// The summary in the status line; the copy commands enabled exactly while something is checked.
    void UpdateSongSelection();
    /// Settings window, then the copy of the checked songs.
    void SButton_OutSongsClick();
    /// The search window, then the marks it adds.
    void SButton_FindSongsClick();
    /// The information window of the selected row.
    void SButton_SongInfoClick();
    /// Checks (1) or unchecks (0) every row.
    void PopMenu_SelectAllClick(int tag);
    /// Checks the songs of the selected artist or album node.
    void N12Click();
    /// Expands (0) or collapses (1) every node.
    void N16Click(int tag);
    /// Selects the first row of the node's artist.
    void SongTreeViewDblClick(const QModelIndex &index);

    TSongListModel &ListModel() { return *FModel; }
    QStandardItemModel &TreeModel() { return *FTree; }

private:
    void FillTree();
    void UpdateCopyCommands();
    void Guarded(const std::function<void()> &command);

    std::unique_ptr<Ui::TSongTab> FUi;
    TMainForm &FForm;
    TSongListData FData;
    TSongListModel *FModel = nullptr;
    QStandardItemModel *FTree = nullptr;
    QMenu *FListMenu = nullptr;
    QMenu *FTreeMenu = nullptr;
    QAction *FMenu_OutSongs = nullptr;
    bool FLoading = false;
};
