#pragma once

#include "mainform/tabpage.h"
#include "music/videolistmodel.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class TVideoTab;
}
class QAction;
class QMenu;
class TMainForm;

/// The video tab: the song database's videos as 64-pixel rows with their artwork, their details and
/// the extraction of the checked ones.
class TVideoTab : public QWidget, public ITabPage
{
    Q_OBJECT
public:
    explicit TVideoTab(TMainForm &form);
    ~TVideoTab() override;

    // ITabPage
    QWidget *PageWidget() override { return this; }
    bool ListEmpty() const override { return FModel.rowCount() == 0; }
    void LoadTabData(TTabCode tabCode) override;
    void ClearList() override;
    void Entering() override;
    void Loaded() override;

    // Commands; each may raise, the slots that call them show the error.
    void LoadVideoList();
    /// The summary of the checked videos in the status bar, and the extraction's enabled state.
    void UpdateVideoSelection();
    void SButton_ExtractVideosClick();
    void SButton_VideoInfoClick();

    TVideoListModel &Model() { return FModel; }
    QMenu *PopupMenu() const { return FPopup; }

private:
    void Guarded(const std::function<void()> &command);

    TMainForm &FForm;
    std::unique_ptr<Ui::TVideoTab> FUi;
    TVideoListModel FModel;
    QMenu *FPopup = nullptr;
    QAction *FExtract = nullptr;
};
