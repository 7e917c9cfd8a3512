#pragma once

#include "mainform/tabpage.h"
#include "music/videolistmodel.h"

#include <memory>

namespace Ui {
class TVideoTab;
}
class QAction;
class TArtworkDBLoader;
class TContextMenu;
class TITunesDBLoader;
class TVideoRowDelegate;

/// The video tab: the song database's videos as 64-pixel rows with their artwork, their details and
/// the extraction of the checked ones.
class TVideoTab : public TTabPage
{
    Q_OBJECT
public:
    explicit TVideoTab(TTabContext context, QWidget *parent = nullptr);
    ~TVideoTab() override;

    /// Reads the list the first time the page is shown after a recognition.
    void Entering() override;
    void ClearList();

    // Commands; each may raise, the slots that call them show the error.
    void LoadVideoList();
    /// The summary of the checked videos in the status bar, and the extraction's enabled state.
    void UpdateVideoSelection();
    /// "取り出し": the settings window, then the copy of the checked videos.
    void ExtractVideos();
    /// "詳細情報": the information window of the selected video.
    void ShowVideoInfo();

    TVideoListModel &Model() { return FModel; }
    TContextMenu *PopupMenu() const { return FPopup; }

private:
    std::unique_ptr<Ui::TVideoTab> FUi;
    TVideoListModel FModel;
    TVideoRowDelegate *FDelegate = nullptr;
    TContextMenu *FPopup = nullptr;
    QAction *FExtract = nullptr;
    bool FLoaded = false;
    std::shared_ptr<const TITunesDBLoader> FSongs;    // what the rows point into
    std::shared_ptr<const TArtworkDBLoader> FArtwork; // what the rows' pictures come from
};
