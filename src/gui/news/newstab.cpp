#include "news/newstab.h"

#include "app/settings.h"
#include "news/editurlform.h"
#include "platform/network.h"
#include "session/newsservice.h"
#include "session/playersession.h"
#include "ui_newstab.h"
#include "widgets/contextmenu.h"

#include <QTimer>

using namespace Qt::Literals::StringLiterals;

TNewsTab::TNewsTab(TTabContext context, QWidget *parent)
    : TTabPage(context, parent), FUi(std::make_unique<Ui::TNewsTab>())
{
    FUi->setupUi(this);
    FUi->URLListView->SetReportModel(&Session().NewsSites());
    FUi->URLListView->SetColumnWidths({148, 255, 105});
    FEditor = new TEditURLForm(Dialogs(), this);
    FEditor->setObjectName(u"TEditURLForm"_s);

    connect(FUi->SButton_Download, &QPushButton::clicked, this,
            [this] { Guarded([this] { DownloadNews(); }); });
    connect(FUi->SButton_AddNewSite, &QPushButton::clicked, this, [this] { Guarded([this] { AddSite(); }); });
    connect(FUi->SButton_EditURL, &QPushButton::clicked, this,
            [this] { Guarded([this] { EditSelectedSite(); }); });
    connect(FUi->URLListView, &TReportListView::ItemActivated, this,
            [this] { Guarded([this] { EditSelectedSite(); }); });

    // F9 downloads while the page has the focus; Enter and Delete act on the list.
    FMenu = new TContextMenu(u"PopupMenu_URLList"_s, FUi->URLListView, Dialogs());
    FMenu->Add(
        u"D1"_s, tr("ダウンロード更新(&D)..."), {QKeySequence(Qt::Key_F9)}, [this] { DownloadNews(); }, this);
    FMenu->addSeparator();
    FMenu->Add(u"N19"_s, tr("サイトの新規追加(&N)"), {}, [this] { AddSite(); });
    FMenu->Add(u"N18"_s, tr("サイトの編集(&E)"), EnterKeys(), [this] { EditSelectedSite(); });
    FMenu->addSeparator();
    FMenu->Add(u"PM_SiteDelete"_s, tr("サイトを削除(&D)"), {QKeySequence(Qt::Key_Delete)},
               [this] { DeleteSite(); });
    FMenu->Add(u"PM_SiteAllDelete"_s, tr("デフォルトでサイトを全てクリア(&A)"), {}, [this] { ResetSites(); });

    // The settings may ask for the news as soon as a player is recognised.
    connect(&Session(), &TPlayerSession::playerFound, this, [this] {
        if (Settings().FAutoDownLoad)
            QTimer::singleShot(0, this, [this] { Guarded([this] { DownloadNews(); }); });
    });
}

TNewsTab::~TNewsTab() = default;

TNewsSiteModel &TNewsTab::Model()
{
    return Session().NewsSites();
}

void TNewsTab::Entering()
{
    FUi->URLListView->setFocus();
}

void TNewsTab::DropFile(const QString &path)
{
    EditSite(TNewsSiteModel::ModeDroppedFile, path);
}

int TNewsTab::SelectedRow() const
{
    const QList<int> selected = FUi->URLListView->SelectedItems();
    return selected.isEmpty() ? -1 : selected.first();
}

void TNewsTab::Select(int row)
{
    if (row >= 0 && row < Model().rowCount())
        FUi->URLListView->SelectItem(row);
}

void TNewsTab::AddSite()
{
    EditSite(TNewsSiteModel::ModeAdd, {});
}

void TNewsTab::EditSelectedSite()
{
    EditSite(TNewsSiteModel::ModeEdit, {});
}

void TNewsTab::EditSite(int mode, const QString &path)
{
    const int row = Model().EditSite(TNewsSiteModel::TEditMode(mode), path, SelectedRow(), *FEditor);
    if (row >= 0) {
        Select(row);
        Session().NewsSitesEdited();
    }
}

void TNewsTab::DownloadNews()
{
    TNewsService news(Session(), Settings(), Dialogs());
    news.FIsOnline = IsOnline;
    news.Download(Progress());
}

void TNewsTab::DeleteSite()
{
    const int row = SelectedRow();
    if (Model().DeleteSite(row, Dialogs())) {
        Select(qMin(row, Model().Count() - 1));
        Session().NewsSitesEdited();
    }
}

void TNewsTab::ResetSites()
{
    if (Model().ResetToDefaults(Dialogs()))
        Session().NewsSitesEdited();
}
