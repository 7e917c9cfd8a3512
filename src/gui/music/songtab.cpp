#include "music/songtab.h"

#include "app/settings.h"
#include "app/statusline.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "dialogs/logform.h"
#include "music/playlistbranch.h"
#include "music/playlistfile.h"
#include "music/scrobblelog.h"
#include "music/songcopycfgform.h"
#include "music/songfindform.h"
#include "music/songinfo.h"
#include "music/songinfoform.h"
#include "music/songlistmodel.h"
#include "music/songsearch.h"
#include "session/playersession.h"
#include "ui_songtab.h"
#include "widgets/contextmenu.h"

#include <QDir>
#include <QStandardItemModel>

using namespace Qt::Literals::StringLiterals;

TSongTab::TSongTab(TTabContext context, QWidget *parent)
    : TTabPage(context, parent), FUi(std::make_unique<Ui::TSongTab>())
{
    FUi->setupUi(this);
    FModel = new TSongListModel(this);
    FUi->SongListView->SetReportModel(FModel);
    FUi->SongListView->SetColumnWidths({125, 100, 95, 75});
    // The list fits its pane with the play count as the only play column; the header's menu shows the
    // others.
    FUi->SongListView->SetHiddenColumns(
        {FModel->headerData(4, Qt::Horizontal).toString(), FModel->headerData(5, Qt::Horizontal).toString()});
    FTree = new QStandardItemModel(this);
    FUi->SongTreeView->setModel(FTree);
    FUi->Splitter_Songs->setStretchFactor(0, 3);
    FUi->Splitter_Songs->setStretchFactor(1, 1);
    FPlayLists = new TPlayListBranch(*FTree, *FUi->SongListView, *FModel, this);

    // The list's keys act anywhere on the page, not only while the list has the focus.
    FListMenu = new TContextMenu(u"PopupMenu_SongList"_s, FUi->SongListView, Dialogs());
    FListMenu->Add(
        u"PopMenu_SelectAll"_s, tr("全てを選択(&L)"), {QKeySequence(u"Ctrl+A"_s)}, [this] { CheckAll(true); },
        this);
    FListMenu->Add(
        u"N1"_s, tr("全ての選択を解除(&R)"), {}, [this] { CheckAll(false); }, this);
    FListMenu->addSeparator();
    FMenu_OutSongs = FListMenu->Add(
        u"Menu_OutSongs"_s, tr("曲を取り出す(&X)"), {QKeySequence(u"F9"_s)}, [this] { ExtractSongs(); },
        this);
    FListMenu->addSeparator();
    FListMenu->Add(
        u"Menu_FindSongs"_s, tr("曲の検索(&F)"), {QKeySequence(u"Ctrl+F"_s)}, [this] { FindSongs(); }, this);
    FListMenu->addSeparator();
    FListMenu->Add(
        u"Menu_Property"_s, tr("曲の詳細情報"), {QKeySequence(u"Ctrl+P"_s)}, [this] { ShowSongInfo(); },
        this);

    FTreeMenu = new TContextMenu(u"PopupMenu_AristTree"_s, FUi->SongTreeView, Dialogs());
    FTreeMenu->Add(u"N12"_s, tr("選択中のアーティストの曲をチェック(&C)"), {},
                   [this] { CheckSelectedArtist(); });
    FTreeMenu->Add(u"N16"_s, tr("ツリーを展開する(&E)"), {}, [this] { ExpandTree(true); });
    FTreeMenu->Add(u"N17"_s, tr("ツリーを閉じる(&L)"), {}, [this] { ExpandTree(false); });
    FTreeMenu->addSeparator();
    FTreeMenu->Add(u"Menu_ExtractPlayList"_s, tr("このプレイリストを取り出す"), {},
                   [this] { ExtractPlayList(); });

    connect(FUi->SButton_OutSongs, &QToolButton::clicked, this,
            [this] { Guarded([this] { ExtractSongs(); }); });
    connect(FUi->SButton_FindSongs, &QToolButton::clicked, this,
            [this] { Guarded([this] { FindSongs(); }); });
    connect(FUi->SButton_SongInfo, &QToolButton::clicked, this,
            [this] { Guarded([this] { ShowSongInfo(); }); });
    connect(FUi->SButton_ScrobbleLog, &QToolButton::clicked, this,
            [this] { Guarded([this] { SaveScrobbleLog(); }); });
    // Choosing a playlist shows its songs; any other node the whole list.
    connect(FUi->SongTreeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { FPlayLists->Show(FPlayLists->PlayListOf(current)); });
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
    FPlayLists->Clear();
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
    FPlayLists->Clear();
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
    FPlayLists->Fill(FSongs);
}

void TSongTab::UpdateCopyCommands()
{
    const bool any = FModel->CheckedCount() > 0;
    FUi->SButton_OutSongs->setEnabled(any);
    FMenu_OutSongs->setEnabled(any);
    FUi->SButton_SongInfo->setEnabled(FModel->rowCount() > 0);
    FUi->SButton_ScrobbleLog->setEnabled(FSongs && !FSongs->FRecordedPlays.FEntries.isEmpty());
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
    if (FPlayLists->InBranch(index)) { // a playlist's songs
        FModel->CheckItems(FPlayLists->SongItems(FPlayLists->PlayListOf(index)));
        UpdateSongSelection();
        return;
    }
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
    if (!index.isValid() || FPlayLists->InBranch(index))
        return;
    const QString artist =
        index.parent().isValid() ? index.parent().data().toString() : index.data().toString();
    const int item = FModel->Data().FindArtistRow(artist, FModel->Order());
    if (item >= 0)
        FUi->SongListView->SelectItem(item);
}

bool TSongTab::ExtractSongs(TCopyReport *reportOut, QString *folder)
{
    if (FModel->CheckedCount() == 0 || !FSongs)
        return false;
    TSongCopyCfgForm form(Settings(), Session().Drives(), Dialogs(), TCopyKind::Songs, Window());
    form.SetPlayerRoot(Session().Player().FRoot);
    form.exec();
    if (!form.FConfirmed)
        return false;
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
    if (reportOut)
        *reportOut = report;
    if (folder)
        *folder = options.FFolder;
    return true;
}

void TSongTab::ExtractPlayList()
{
    const int list = FPlayLists->PlayListOf(FUi->SongTreeView->currentIndex());
    if (list < 0 || !FSongs)
        return;
    const std::shared_ptr<const TITunesDBLoader> db = FSongs;
    FModel->SetAllChecked(false);
    FModel->CheckItems(FPlayLists->SongItems(list));
    UpdateSongSelection();
    TCopyReport report;
    QString folder;
    if (!ExtractSongs(&report, &folder) || report.FCancelled || report.FDestinationLost || report.FPlayerLost)
        return;
    const TITBPlayListData &playList = db->FPlayLists.Items(list);
    const TPlayListFileResult written = WritePlayListFile(folder, db->FSongs, playList, report);
    QStringList leftOut;
    for (const int song : written.FLeftOut)
        leftOut << LeftOutText(db->FSongs, song, playList.FName);
    if (!leftOut.isEmpty())
        Dialogs().Warning(leftOut.join(u'\n'));
    Status().SetStatusText(
        Format(tr("プレイリスト %s を書き込みました"), {QDir::toNativeSeparators(written.FPath)}));
}

void TSongTab::SaveScrobbleLog()
{
    if (!FSongs)
        return;
    // No question about replacing: an existing log is added to, and a file that is not one is refused.
    const QString path = Dialogs().SaveFileNameNoOverwriteQuestion(
        tr("再生履歴の書き出し"),
        //: File type filter of the save dialog: name|pattern
        tr("スクロブルログ|*.log"), u"log"_s, QDir::home().filePath(u".scrobbler.log"_s));
    if (path.isEmpty())
        return;
    const TScrobbleLogResult written = WriteScrobbleLog(path, *FSongs, Session().Player().FRoot);
    QString text = ScrobbleLogResultText(written, path);
    if (written.FUntimed > 0)
        //: Appended to the message that the plays were written; %d is a number of plays
        text += Format(tr(" (再生日時のない %d 曲の再生は含めていません)", nullptr, written.FUntimed),
                       {written.FUntimed});
    Status().SetStatusText(text);
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
    const int item = FPlayLists->CurrentSongItem();
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
