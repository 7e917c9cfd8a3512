#include "music/songtab.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "device/kiruipod.h"
#include "dialogs/guarded.h"
#include "mainform/mainform.h"
#include "music/songcopycfgform.h"
#include "music/songfindform.h"
#include "music/songinfo.h"
#include "music/songinfoform.h"
#include "music/songlistmodel.h"
#include "music/songsearch.h"
#include "ui_songtab.h"

#include <QMenu>
#include <QStandardItemModel>

using namespace Qt::Literals::StringLiterals;

namespace {
QAction *AddAction(QMenu *menu, const QString &name, const QString &text, const QString &shortcut = {})
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(QKeySequence(shortcut));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    return action;
}
} // namespace

TSongTab::TSongTab(TMainForm &form, QWidget *parent)
    : QWidget(parent), FUi(std::make_unique<Ui::TSongTab>()), FForm(form)
{
    FUi->setupUi(this);
    FModel = new TSongListModel(FData, this);
    FUi->SongListView->SetReportModel(FModel);
    FUi->SongListView->SetColumnWidths({140, 105, 100});
    FTree = new QStandardItemModel(this);
    FUi->SongTreeView->setModel(FTree);
    FUi->Splitter_Songs->setStretchFactor(0, 3);
    FUi->Splitter_Songs->setStretchFactor(1, 1);

    FListMenu = new QMenu(this);
    FListMenu->setObjectName(u"PopupMenu_SongList"_s);
    QAction *selectAll = AddAction(FListMenu, u"PopMenu_SelectAll"_s, u"全てを選択(&L)"_s, u"Ctrl+A"_s);
    QAction *selectNone = AddAction(FListMenu, u"N1"_s, u"全ての選択を解除(&R)"_s);
    FListMenu->addSeparator();
    FMenu_OutSongs = AddAction(FListMenu, u"Menu_OutSongs"_s, u"曲を取り出す(&X)"_s, u"F9"_s);
    FListMenu->addSeparator();
    QAction *find = AddAction(FListMenu, u"Menu_FindSongs"_s, u"曲の検索(&F)"_s, u"Ctrl+F"_s);
    FListMenu->addSeparator();
    QAction *property = AddAction(FListMenu, u"Menu_Property"_s, u"曲の詳細情報"_s, u"Ctrl+P"_s);
    // The shortcuts act anywhere on the tab, not only while the menu is open.
    addActions({selectAll, FMenu_OutSongs, find, property});

    FTreeMenu = new QMenu(this);
    FTreeMenu->setObjectName(u"PopupMenu_AristTree"_s);
    QAction *checkNode = AddAction(FTreeMenu, u"N12"_s, u"選択中のアーティストの曲をチェック(&C)"_s);
    QAction *expand = AddAction(FTreeMenu, u"N16"_s, u"ツリーを展開する(&E)"_s);
    QAction *collapse = AddAction(FTreeMenu, u"N17"_s, u"ツリーを閉じる(&L)"_s);

    connect(selectAll, &QAction::triggered, this, [this] { Guarded([this] { PopMenu_SelectAllClick(1); }); });
    connect(selectNone, &QAction::triggered, this,
            [this] { Guarded([this] { PopMenu_SelectAllClick(0); }); });
    const auto outSongs = [this] { Guarded([this] { SButton_OutSongsClick(); }); };
    const auto findSongs = [this] { Guarded([this] { SButton_FindSongsClick(); }); };
    const auto songInfo = [this] { Guarded([this] { SButton_SongInfoClick(); }); };
    connect(FMenu_OutSongs, &QAction::triggered, this, outSongs);
    connect(FUi->SButton_OutSongs, &QToolButton::clicked, this, outSongs);
    connect(find, &QAction::triggered, this, findSongs);
    connect(FUi->SButton_FindSongs, &QToolButton::clicked, this, findSongs);
    connect(property, &QAction::triggered, this, songInfo);
    connect(FUi->SButton_SongInfo, &QToolButton::clicked, this, songInfo);
    connect(FUi->SongListView, &TReportListView::ItemActivated, this, songInfo);
    connect(checkNode, &QAction::triggered, this, [this] { Guarded([this] { N12Click(); }); });
    connect(expand, &QAction::triggered, this, [this] { N16Click(0); });
    connect(collapse, &QAction::triggered, this, [this] { N16Click(1); });
    connect(FUi->SongTreeView, &QTreeView::doubleClicked, this,
            [this](const QModelIndex &index) { Guarded([this, index] { SongTreeViewDblClick(index); }); });
    connect(FUi->SongListView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { FListMenu->popup(FUi->SongListView->viewport()->mapToGlobal(at)); });
    connect(FUi->SongTreeView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { FTreeMenu->popup(FUi->SongTreeView->viewport()->mapToGlobal(at)); });
    // Every change of marks, whatever made it, ends with a fresh summary.
    connect(FModel, &TReportListModel::CheckMarksChanged, this, [this] {
        if (!FLoading)
            UpdateSongSelection();
    });
    UpdateCopyCommands();
}

TSongTab::~TSongTab() = default;

void TSongTab::Guarded(const std::function<void()> &command)
{
    RunGuarded(FForm.Dialogs(), command);
}

bool TSongTab::ListEmpty() const
{
    return FModel->rowCount() == 0;
}

void TSongTab::LoadTabData(TTabCode tabCode)
{
    if (tabCode == TTabCode::Songs)
        LoadSongList();
}

void TSongTab::ClearList()
{
    FLoading = true;
    FModel->Clear();
    FTree->clear();
    FLoading = false;
    UpdateCopyCommands();
}

void TSongTab::Entering()
{
    if (!ListEmpty())
        UpdateSongSelection();
}

void TSongTab::Loaded()
{
    UpdateCopyCommands();
    FUi->SongListView->setFocus();
}

void TSongTab::LoadSongList()
{
    FLoading = true;
    FTree->clear();
    QString text;
    try {
        text = FModel->Load(FForm.Device().FSongDB.FSongs, FForm.Progress());
    } catch (...) {
        FLoading = false;
        UpdateCopyCommands();
        throw;
    }
    FLoading = false;
    FillTree();
    UpdateCopyCommands();
    FForm.SetStatusText(text);
}

void TSongTab::FillTree()
{
    FTree->clear();
    QStandardItem *root = FTree->invisibleRootItem();
    QList<QStandardItem *> artists;
    artists.reserve(FData.FTree.size());
    for (const TArtistNode &node : std::as_const(FData.FTree)) {
        auto *artist = new QStandardItem(node.FText);
        artist->setEditable(false);
        QList<QStandardItem *> albums;
        albums.reserve(node.FAlbums.size());
        for (const QString &album : node.FAlbums) {
            auto *child = new QStandardItem(album);
            child->setEditable(false);
            albums.append(child);
        }
        if (!albums.isEmpty())
            artist->appendRows(albums);
        artists.append(artist);
    }
    if (!artists.isEmpty())
        root->appendRows(artists);
}

void TSongTab::UpdateCopyCommands()
{
    const bool any = FModel->CheckedCount() > 0;
    FUi->SButton_OutSongs->setEnabled(any);
    FMenu_OutSongs->setEnabled(any);
    FUi->SButton_SongInfo->setEnabled(FModel->rowCount() > 0);
}

void TSongTab::UpdateSongSelection()
{
    FForm.SetStatusText(FModel->SelectionSummary());
    UpdateCopyCommands();
}

void TSongTab::PopMenu_SelectAllClick(int tag)
{
    FModel->SetAllChecked(tag == 1);
    UpdateSongSelection();
}

void TSongTab::N12Click()
{
    const QModelIndex index = FUi->SongTreeView->currentIndex();
    if (!index.isValid())
        return;
    if (index.parent().isValid())
        FData.CheckAlbum(index.parent().data().toString(), index.data().toString());
    else
        FData.CheckArtist(index.data().toString());
    FModel->TakeMarksFromData();
    UpdateSongSelection();
}

void TSongTab::N16Click(int tag)
{
    if (tag == 0)
        FUi->SongTreeView->expandAll();
    else
        FUi->SongTreeView->collapseAll();
}

void TSongTab::SongTreeViewDblClick(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QString artist =
        index.parent().isValid() ? index.parent().data().toString() : index.data().toString();
    const int item = FData.FindArtistRow(artist, FModel->Order());
    if (item >= 0)
        FUi->SongListView->SelectItem(item);
}

void TSongTab::SButton_OutSongsClick()
{
    if (FModel->CheckedCount() == 0)
        return;
    TSongCopyCfgForm form(FForm.Settings(), FForm.Drives(), FForm.Dialogs(), TCopyKind::Songs, &FForm);
    form.exec();
    if (!form.FConfirmed)
        return;
    TBusyScope busy;
    TKiruIPOD &device = FForm.Device();
    TCopyOptions options = TCopyOptions::ForSongs(FForm.Settings());
    options.FArtwork = &device.FArtworkDB; // artwork for the copies when tags are written into them
    ExtractEntries(device.FSongDB.FSongs, device.FChecker.FRoot, FModel->CopyRows(), options, FForm.Progress(),
                   FForm, FForm.Dialogs(), &device.FLibrary);
}

void TSongTab::SButton_FindSongsClick()
{
    TKiruIPodINI &settings = FForm.Settings();
    TSongFindForm form(settings, ArtistTicks(FData), &FForm);
    if (form.exec() == QDialog::Accepted) {
        TBusyScope busy;
        int count = 0;
        if (form.ActivePage() == 2)
            count = SearchArtists(FData, form.Ticks(), &FForm);
        else
            count = SearchSongs(FData, settings.FText, TSongFindType(settings.FSongFind_Type), &FForm);
        FLoading = true; // one summary below, after the result
        FModel->TakeMarksFromData();
        FLoading = false;
        ReportSearchResult(count, FForm, FForm.Dialogs());
    }
    UpdateSongSelection();
}

void TSongTab::SButton_SongInfoClick()
{
    const int item = FUi->SongListView->CurrentItem();
    if (item < 0)
        return;
    TKiruIPOD &device = FForm.Device();
    TITBSongItem &song = device.FSongDB.FSongs.Items(FData.FRows.at(item).FIndex);
    TSongInfoForm form(song, SongFilePath(device.FChecker.FRoot, song), device.FArtworkDB, FForm.Dialogs(),
                       &FForm);
    form.SetChecked(FModel->ItemChecked(item),
                    [this, item](bool checked) { FModel->SetItemChecked(item, checked); });
    form.exec();
    if (form.FChanged)
        UpdateSongSelection();
}
