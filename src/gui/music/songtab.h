#pragma once

#include "mainform/tabpage.h"
#include "music/songlist.h"

#include <memory>

namespace Ui {
class TSongTab;
}
class QAction;
class TContextMenu;
class QModelIndex;
class QStandardItemModel;
class TITunesDBLoader;
class TPlayListBranch;
class TSongListModel;
struct TCopyReport;

/// The song tab: the checkable song list beside the artist/album tree, the summary of the checked songs,
/// extraction, search and song information.
class TSongTab : public TTabPage
{
    Q_OBJECT
public:
    explicit TSongTab(TTabContext context, QWidget *parent = nullptr);
    ~TSongTab() override;

    /// Reads the list the first time the page is shown after a recognition, then shows the summary.
    void Entering() override;
    /// Empties the list and the tree.
    void ClearList();

    /// Rows and tree from the loaded song database, inside the progress window.
    void LoadSongList();
    /// The summary in the status line; the copy commands enabled exactly while something is checked.
    void UpdateSongSelection();
    /// "取り出し": the settings window, then the copy of the checked songs. False when the user stopped
    /// at the settings window; `report` and `folder` receive the copy's report and destination.
    bool ExtractSongs(TCopyReport *report = nullptr, QString *folder = nullptr);
    /// "このプレイリストを取り出す": checks only the selected playlist's songs, copies them and writes its
    /// playlist file in the destination.
    void ExtractPlayList();
    /// "再生履歴": writes the plays recorded since the last sync as a scrobble log on the computer.
    void SaveScrobbleLog();
    /// "検索": the search window, then the marks it adds.
    void FindSongs();
    /// "曲の詳細情報": the information window of the selected row.
    void ShowSongInfo();
    /// Checks or unchecks every row.
    void CheckAll(bool checked);
    /// Checks the songs of the selected artist or album node.
    void CheckSelectedArtist();
    /// Expands or collapses every node.
    void ExpandTree(bool expand);
    /// Selects the first row of the node's artist.
    void SelectArtistRow(const QModelIndex &index);

    TSongListModel &ListModel() { return *FModel; }
    QStandardItemModel &TreeModel() { return *FTree; }

private:
    void FillTree();
    void UpdateCopyCommands();

    std::unique_ptr<Ui::TSongTab> FUi;
    std::shared_ptr<const TITunesDBLoader> FSongs; // the database the rows point into
    TSongListModel *FModel = nullptr;
    QStandardItemModel *FTree = nullptr;
    TContextMenu *FListMenu = nullptr;
    TContextMenu *FTreeMenu = nullptr;
    TPlayListBranch *FPlayLists = nullptr;
    QAction *FMenu_OutSongs = nullptr;
    bool FLoaded = false;
    bool FLoading = false;
};
