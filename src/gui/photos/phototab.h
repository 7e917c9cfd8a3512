#pragma once

#include "mainform/tabpage.h"
#include "photos/photolistmodels.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TPhotoTab;
}
class QAction;
class QMenu;
class TMainForm;
class TPhotoForm;

/// The photo tab: the photo database's albums with check marks, the thumbnail grid of the selected
/// album, the viewer and the album export.
class TPhotoTab : public QWidget, public ITabPage
{
    Q_OBJECT
public:
    explicit TPhotoTab(TMainForm &form);
    ~TPhotoTab() override;

    // ITabPage
    QWidget *PageWidget() override { return this; }
    bool ListEmpty() const override { return FGrid.rowCount() == 0; }
    void LoadTabData(TTabCode tabCode) override;
    void ClearList() override;
    void Entering() override;

    // Commands; each may raise, the slots that call them show the error.
    /// Reads the photo database and builds the album list and the grid.
    void LoadPhotoList();
    void PhotoAlbumListViewSelectItem(int row);
    void PhotoAlbumListViewChange();
    /// Tag 0 checks every album but the library album, tag 1 clears them.
    void N27Click(int tag);
    void SButton_OpenPhotoClick();
    void SButton_ExtractPhotosClick();
    /// The viewer's step: the grid row next to `index` in `direction`, selected; its photo's path, or
    /// empty when there is none.
    QString StepPhoto(int direction, int &index);

    TPhotoAlbumListModel &Albums() { return FAlbums; }
    TPhotoGridModel &Grid() { return FGrid; }
    QMenu *PopupMenu() const { return FPopup; }

private:
    void Guarded(const std::function<void()> &command);
    void UpdateExtractState();

    TMainForm &FForm;
    std::unique_ptr<Ui::TPhotoTab> FUi;
    TPhotoAlbumListModel FAlbums;
    TPhotoGridModel FGrid;
    QMenu *FPopup = nullptr;
    QAction *FSelectAll = nullptr;
    QAction *FClearAll = nullptr;
    QAction *FExtract = nullptr;
};
