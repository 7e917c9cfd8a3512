#pragma once

#include "mainform/tabpage.h"
#include "photos/photolistmodels.h"

#include <memory>

namespace Ui {
class TPhotoTab;
}
class QAction;
class TArtworkDBLoader;
class TContextMenu;

/// The photo tab: the photo database's albums with check marks, the thumbnail grid of the selected
/// album, the viewer and the album export.
class TPhotoTab : public TTabPage
{
    Q_OBJECT
public:
    explicit TPhotoTab(TTabContext context, QWidget *parent = nullptr);
    ~TPhotoTab() override;

    /// Reads the photos the first time the page is shown after a recognition.
    void Entering() override;
    void ClearList();

    // Commands; each may raise, the slots that call them show the error.
    /// Reads the photo database beside the window and builds the album list and the grid.
    void LoadPhotoList();
    /// An album was chosen: the grid shows its photos (row 0: every photo).
    void ShowAlbum(int row);
    /// Checks every album but the library album, or clears every mark.
    void CheckAlbums(bool checked);
    /// "フォトを開く": the viewer on the selected photo.
    void OpenPhoto();
    /// "取り出し": the export window, then the export of the checked albums.
    void ExtractPhotos();
    /// The viewer's step: the grid row next to `index` in `direction`, selected; its photo's path, or
    /// empty when there is none.
    QString StepPhoto(int direction, int &index);

    TPhotoAlbumListModel &Albums() { return FAlbums; }
    TPhotoGridModel &Grid() { return FGrid; }
    TContextMenu *PopupMenu() const { return FPopup; }

private:
    void UpdateExtractState();

    std::unique_ptr<Ui::TPhotoTab> FUi;
    TPhotoAlbumListModel FAlbums;
    TPhotoGridModel FGrid;
    std::shared_ptr<const TArtworkDBLoader> FPhotos; // what the grid points into
    TContextMenu *FPopup = nullptr;
    QAction *FExtract = nullptr;
    bool FLoaded = false;
};
