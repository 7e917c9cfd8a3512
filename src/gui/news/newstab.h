#pragma once

#include "mainform/tabpage.h"
#include "news/newssitemodel.h"

#include <memory>

namespace Ui {
class TNewsTab;
}
class QAction;
class TContextMenu;
class TEditURLForm;

/// The news tab: the site list with its editor, and the download onto the player.
class TNewsTab : public TTabPage
{
    Q_OBJECT
public:
    explicit TNewsTab(TTabContext context, QWidget *parent = nullptr);
    ~TNewsTab() override;

    void Entering() override;
    bool AcceptsDrops() const override { return true; }
    /// A dropped file becomes a site, through the site editor.
    void DropFile(const QString &path) override;

    // Commands; each may raise, the slots that call them show the error.
    /// "新規追加": a new site through the editor.
    void AddSite();
    /// "編集": the selected site through the editor (a new one when none is selected).
    void EditSelectedSite();
    /// "ダウンロード": the ticked sites onto the player as notes.
    void DownloadNews();
    /// "サイトを削除": the selected site, after asking.
    void DeleteSite();
    /// "デフォルトでサイトを全てクリア": the default sites in place of every row, after asking.
    void ResetSites();

    TNewsSiteModel &Model();
    TEditURLForm *Editor() const { return FEditor; }

private:
    void EditSite(int mode, const QString &path);
    /// The row the commands act on; -1 when none is selected.
    int SelectedRow() const;
    /// Selects a row when there is one.
    void Select(int row);

    std::unique_ptr<Ui::TNewsTab> FUi;
    TContextMenu *FMenu = nullptr;
    TEditURLForm *FEditor = nullptr;
};
