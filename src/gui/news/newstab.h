#pragma once

#include "mainform/tabpage.h"
#include "news/newssitemodel.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TNewsTab;
}
class QAction;
class QMenu;
class TEditURLForm;
class TMainForm;

/// The news tab: the site list with its editor, and the download onto the player.
class TNewsTab : public QWidget, public ITabPage
{
    Q_OBJECT
public:
    explicit TNewsTab(TMainForm &form);
    ~TNewsTab() override;

    // ITabPage
    QWidget *PageWidget() override { return this; }
    bool ListEmpty() const override;
    void LoadTabData(TTabCode tabCode) override;
    void ClearList() override;
    void Entering() override;
    void DataChanged() override;
    bool DropFile(const QString &path) override;

    // Commands; each may raise, the slots that call them show the error.
    /// Add (tag 1) or edit (tag 0; with no row selected it adds).
    void SButton_AddNewSiteClick(int tag);
    void EditSite(int mode, const QString &path);
    void SButton_DownloadClick();
    void PM_SiteDeleteClick();
    void PM_SiteAllDeleteClick();

    TNewsSiteModel &Model() { return FModel; }

private:
    void Guarded(const std::function<void()> &command);
    QAction *AddMenuItem(const QString &name, const QString &text, const QKeySequence &key,
                         const std::function<void()> &command);
    /// The row the commands act on; -1 when none is selected.
    int SelectedRow() const;
    void Refill(int selectRow = -1);

    std::unique_ptr<Ui::TNewsTab> FUi;
    TMainForm &FForm;
    TNewsSiteModel FModel;
    QMenu *FMenu = nullptr;
    TEditURLForm *FEditor = nullptr;
};
