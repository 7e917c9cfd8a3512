#include "news/newstab.h"

#include "app/settings.h"
#include "dialogs/guarded.h"
#include "mainform/mainform.h"
#include "news/editurlform.h"
#include "ui_newstab.h"

#include <QAction>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

TNewsTab::TNewsTab(TMainForm &form) : FUi(std::make_unique<Ui::TNewsTab>()), FForm(form)
{
    FUi->setupUi(this);
    FUi->URLListView->SetReportModel(&FModel);
    FUi->URLListView->SetColumnWidths({148, 255, 105});
    FEditor = new TEditURLForm(FForm.Dialogs(), this);
    FEditor->setObjectName(u"TEditURLForm"_s);
    FForm.SetURLEditor(FEditor);

    FUi->SButton_AddNewSite->setProperty("tag", 1);
    FUi->SButton_EditURL->setProperty("tag", 0);
    connect(FUi->SButton_Download, &QPushButton::clicked, this,
            [this] { Guarded([this] { SButton_DownloadClick(); }); });
    connect(FUi->SButton_AddNewSite, &QPushButton::clicked, this,
            [this] { Guarded([this] { SButton_AddNewSiteClick(1); }); });
    connect(FUi->SButton_EditURL, &QPushButton::clicked, this,
            [this] { Guarded([this] { SButton_AddNewSiteClick(0); }); });
    connect(FUi->URLListView, &TReportListView::ItemActivated, this,
            [this] { Guarded([this] { SButton_AddNewSiteClick(0); }); });

    FMenu = new QMenu(this);
    FMenu->setObjectName(u"PopupMenu_URLList"_s);
    // F9 downloads while the tab has the focus; Enter and Delete act on the list.
    QAction *download = AddMenuItem(u"D1"_s, u"ダウンロード更新(&D)..."_s, QKeySequence(Qt::Key_F9),
                                    [this] { SButton_DownloadClick(); });
    download->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(download);
    FMenu->addSeparator();
    AddMenuItem(u"N19"_s, u"サイトの新規追加(&N)"_s, {}, [this] {
        SButton_AddNewSiteClick(1);
    })->setProperty("tag", 1);
    QAction *edit = AddMenuItem(u"N18"_s, u"サイトの編集(&E)"_s, QKeySequence(Qt::Key_Return),
                                [this] { SButton_AddNewSiteClick(0); });
    edit->setProperty("tag", 0);
    edit->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    FMenu->addSeparator();
    QAction *remove = AddMenuItem(u"PM_SiteDelete"_s, u"サイトを削除(&D)"_s, QKeySequence(Qt::Key_Delete),
                                  [this] { PM_SiteDeleteClick(); });
    AddMenuItem(u"PM_SiteAllDelete"_s, u"デフォルトでサイトを全てクリア(&A)"_s, {},
                [this] { PM_SiteAllDeleteClick(); });
    for (QAction *action : {edit, remove}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        FUi->URLListView->addAction(action);
    }
    connect(FUi->URLListView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { FMenu->popup(FUi->URLListView->viewport()->mapToGlobal(pos)); });
}

TNewsTab::~TNewsTab() = default;

QAction *TNewsTab::AddMenuItem(const QString &name, const QString &text, const QKeySequence &key,
                               const std::function<void()> &command)
{
    QAction *action = FMenu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, command] { Guarded(command); });
    return action;
}

void TNewsTab::Guarded(const std::function<void()> &command)
{
    RunGuarded(FForm.Dialogs(), command);
}

bool TNewsTab::ListEmpty() const
{
    return FForm.NewsSites().FRows.isEmpty();
}

void TNewsTab::LoadTabData(TTabCode tabCode)
{
    if (tabCode != TTabCode::NewsSites)
        return;
    FForm.NewsSites().LoadFromSettings(FForm.Settings().FSiteList);
    Refill();
}

void TNewsTab::ClearList()
{
    Refill();
}

void TNewsTab::Entering()
{
    FUi->URLListView->setFocus();
}

void TNewsTab::DataChanged()
{
    const int before = FModel.rowCount();
    FModel.RowsChanged();
    // A dropped file's site is the new last row.
    const int now = FModel.rowCount();
    if (now > before)
        FUi->URLListView->SelectItem(now - 1);
}

bool TNewsTab::DropFile(const QString &)
{
    return false; // the main window adds it through this tab's editor, then calls DataChanged
}

int TNewsTab::SelectedRow() const
{
    const QList<int> selected = FUi->URLListView->SelectedItems();
    return selected.isEmpty() ? -1 : selected.first();
}

void TNewsTab::Refill(int selectRow)
{
    FModel.Fill(FForm.NewsSites().FRows);
    if (selectRow >= 0 && selectRow < FModel.rowCount())
        FUi->URLListView->SelectItem(selectRow);
}

void TNewsTab::SButton_AddNewSiteClick(int tag)
{
    EditSite(tag, {});
}

void TNewsTab::EditSite(int mode, const QString &path)
{
    const int row =
        FForm.NewsSites().EditSite(TNewsSiteList::TEditMode(mode), path, SelectedRow(), *FEditor);
    if (row >= 0)
        Refill(row);
}

void TNewsTab::SButton_DownloadClick()
{
    FForm.DownloadNews();
    FModel.RowsChanged();
}

void TNewsTab::PM_SiteDeleteClick()
{
    const int row = SelectedRow();
    if (FForm.NewsSites().DeleteSite(row, FForm.Dialogs()))
        Refill(qMin(row, int(FForm.NewsSites().FRows.size()) - 1));
}

void TNewsTab::PM_SiteAllDeleteClick()
{
    if (FForm.NewsSites().ResetToDefaults(FForm.Dialogs()))
        Refill();
}
