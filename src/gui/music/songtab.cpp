#include "music/songtab.h"

#include "app/settings.h"
#include "app/statusline.h"
#include "app/userdialogs.h"
#include "dialogs/logform.h"
#include "music/songcopycfgform.h"
#include "music/songfindform.h"
#include "music/songinfo.h"
#include "music/songinfoform.h"
#include "music/songlistmodel.h"
#include "music/songsearch.h"
#include "session/playersession.h"
#include "ui_songtab.h"
#include "widgets/contextmenu.h"

#include <QStandardItemModel>

using namespace Qt::Literals::StringLiterals;

TSongTab::TSongTab(TTabContext context, QWidget *parent)
    : TTabPage(context, parent), FUi(std::make_unique<Ui::TSongTab>())
{
    FUi->setupUi(this);
    FModel = new TSongListModel(this);
    FUi->SongListView->SetReportModel(FModel);
    FUi->SongListView->SetColumnWidths({140, 105, 100});
    FTree = new QStandardItemModel(this);
    FUi->SongTreeView->setModel(FTree);
    FUi->Splitter_Songs->setStretchFactor(0, 3);
    FUi->Splitter_Songs->setStretchFactor(1, 1);

    // The list's keys act anywhere on the page, not only while the list has the focus.
    FListMenu = new TContextMenu(u"PopupMenu_SongList"_s, FUi->SongListView, Dialogs());
    FListMenu->Add(
        u"PopMenu_SelectAll"_s, u"全てを選択(&L)"_s, {QKeySequence(u"Ctrl+A"_s)}, [this] { CheckAll(true); },
        this);
    FListMenu->Add(
        u"N1"_s, u"全ての選択を解除(&R)"_s, {}, [this] { CheckAll(false); }, this);
    FListMenu->addSeparator();
    FMenu_OutSongs = FListMenu->Add(
        u"Menu_OutSongs"_s, u"曲を取り出す(&X)"_s, {QKeySequence(u"F9"_s)}, [this] { ExtractSongs(); }, this);
    FListMenu->addSeparator();
    FListMenu->Add(
        u"Menu_FindSongs"_s, u"曲の検索(&F)"_s, {QKeySequence(u"Ctrl+F"_s)}, [this] { FindSongs(); }, this);
    FListMenu->addSeparator();
    FListMenu->Add(
        u"Menu_Property"_s, u"曲の詳細情報"_s, {QKeySequence(u"Ctrl+P"_s)}, [this] { ShowSongInfo(); }, this);

    FTreeMenu = new TContextMenu(u"PopupMenu_AristTree"_s, FUi->SongTreeView, Dialogs());
    FTreeMenu->Add(u"N12"_s, u"選択中のアーティストの曲をチェック(&C)"_s, {},
                   [this] { CheckSelectedArtist(); });
    FTreeMenu->Add(u"N16"_s, u"ツリーを展開する(&E)"_s, {}, [this] { ExpandTree(true); });
    FTreeMenu->Add(u"N17"_s, u"ツリーを閉じる(&L)"_s, {}, [this] { ExpandTree(false); });

    connect(FUi->SButton_OutSongs, &QToolButton::clicked, this,
            [this] { Guarded([this] { ExtractSongs(); }); });
    connect(FUi->SButton_FindSongs, &QToolButton::clicked, this,
            [this] { Guarded([this] { FindSongs(); }); });
    connect(FUi->SButton_SongInfo, &QToolButton::clicked, this,
            [this] { Guarded([this] { ShowSongInfo(); }); });
    connect(FUi->SongListView, &TReportListView::ItemActivated, this,
            [this] { Guarded([this] { ShowSongInfo(); }); });
    connect(FUi->SongTreeView, &QTreeView::doubleClicked, this,
            [this](const QModelIndex &index) { Guarded([this, index] { SelectArtistRow(index); }); });
    // Every change of marks, whatever made it, ends with a fresh summary.
    connect(FModel, &TReportListModel::CheckMarksChanged, this, [this] {
        if (!FLoading)
            UpdateSongSelection();
    });
    // A new player's songs are read when the page is next shown.
    connect(&Session(), &TPlayerSession::songsLoaded, this, &TSongTab::ClearList);
    connect(&Session(), &TPlayerSession::playerLost, this, &TSongTab::ClearList);
    UpdateCopyCommands();
}

TSongTab::~TSongTab() = default;

void TSongTab::ClearList()
{
    FLoading = true;
    FModel->Clear();
    FTree->clear();
    FLoading = false;
    FLoaded = false;
    FSongs.reset();
    UpdateCopyCommands();
}

void TSongTab::Entering()
{
    FUi->SongListView->setFocus();
    if (FLoaded) {
        UpdateSongSelection();
        return;
    }
    LoadSongList();
    UpdateCopyCommands();
    FUi->SongListView->setFocus(); // back from the progress window
}

void TSongTab::LoadSongList()
{
    FLoading = true;
    FTree->clear();
    // Kept alive while the list is read, whatever happens to the player meanwhile.
    const auto songs = Session().SharedSongs();
    FSongs = songs;
    QString text;
    try {
        text = FModel->Load(songs->FSongs, Progress());
    } catch (...) {
        FLoading = false;
        UpdateCopyCommands();
        throw;
    }
    FLoading = false;
    if (FSongs != songs) { // the player went away meanwhile
        ClearList();
        return;
    }
    FLoaded = true;
    FillTree();
    UpdateCopyCommands();
    Status().SetStatusText(text);
}

void TSongTab::FillTree()
{
    FTree->clear();
    QStandardItem *root = FTree->invisibleRootItem();
    QList<QStandardItem *> artists;
    artists.reserve(FModel->Data().FTree.size());
    for (const TArtistNode &node : FModel->Data().FTree) {
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
    Status().SetStatusText(FModel->SelectionSummary());
    UpdateCopyCommands();
}

void TSongTab::CheckAll(bool checked)
{
    FModel->SetAllChecked(checked);
    UpdateSongSelection();
}

void TSongTab::CheckSelectedArtist()
{
    const QModelIndex index = FUi->SongTreeView->currentIndex();
    if (!index.isValid())
        return;
    const TSongListData &data = FModel->Data();
    FModel->CheckItems(index.parent().isValid()
                           ? data.AlbumRows(index.parent().data().toString(), index.data().toString())
                           : data.ArtistRows(index.data().toString()));
    UpdateSongSelection();
}

void TSongTab::ExpandTree(bool expand)
{
    if (expand)
        FUi->SongTreeView->expandAll();
    else
        FUi->SongTreeView->collapseAll();
}

void TSongTab::SelectArtistRow(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QString artist =
        index.parent().isValid() ? index.parent().data().toString() : index.data().toString();
    const int item = FModel->Data().FindArtistRow(artist, FModel->Order());
    if (item >= 0)
        FUi->SongListView->SelectItem(item);
}

void TSongTab::ExtractSongs()
{
    if (FModel->CheckedCount() == 0 || !FSongs)
        return;
    TSongCopyCfgForm form(Settings(), Session().Drives(), Dialogs(), TCopyKind::Songs, Window());
    form.SetPlayerRoot(Session().Player().FRoot);
    form.exec();
    if (!form.FConfirmed)
        return;
    TCopyOptions options = TCopyOptions::ForSongs(Settings());
    // Artwork for the copies when tags are written into them; kept alive while the copy runs.
    const std::shared_ptr<const TArtworkDBLoader> artwork = Session().SharedArtwork();
    options.FArtwork = artwork.get();
    // Kept alive while the copy runs, whatever happens to the player meanwhile.
    const std::shared_ptr<const TITunesDBLoader> songs = FSongs;
    TTransferLogServices services(Status(), Dialogs(), songs->FSongs, Window());
    const TCopyReport report = ExtractEntries(songs->FSongs, Session().Player().FRoot, FModel->CopyRows(),
                                              options, Progress(), services, Dialogs(), &Session().Library());
    Session().SetCopyReport(report);
}

void TSongTab::FindSongs()
{
    TKiruIPodINI &settings = Settings();
    const TSongListData &data = FModel->Data();
    TSongFindForm form(settings, ArtistTicks(data), Window());
    if (form.exec() == QDialog::Accepted) {
        const QList<int> found =
            form.ActivePage() == 2
                ? SearchArtists(data, form.Ticks(), &Status())
                : SearchSongs(data, settings.FText, TSongFindType(settings.FSongFind_Type), &Status());
        // The message counts the songs the search newly checked.
        ReportSearchResult(FModel->CheckItems(found), Status(), Dialogs());
    }
    UpdateSongSelection();
}

void TSongTab::ShowSongInfo()
{
    const int item = FUi->SongListView->CurrentItem();
    if (item < 0 || !FSongs)
        return;
    const TITBSongItem &song = FSongs->FSongs.Items(FModel->Row(item).FIndex);
    TSongInfoForm form(song, SongFilePath(Session().Player().FRoot, song), Session().Artwork(), Dialogs(),
                       Window());
    form.SetChecked(FModel->ItemChecked(item),
                    [this, item](bool checked) { FModel->SetItemChecked(item, checked); });
    form.exec();
    if (form.FChanged)
        UpdateSongSelection();
}
