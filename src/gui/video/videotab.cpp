#include "video/videotab.h"

#include "app/settings.h"
#include "app/statusline.h"
#include "dialogs/logform.h"
#include "music/songcopycfgform.h"
#include "music/songinfo.h"
#include "music/songinfoform.h"
#include "music/videocopy.h"
#include "session/playersession.h"
#include "ui_videotab.h"
#include "video/videolistbox.h"
#include "widgets/contextmenu.h"
#include "widgets/keyswallower.h"

using namespace Qt::Literals::StringLiterals;

TVideoTab::TVideoTab(TTabContext context, QWidget *parent)
    : TTabPage(context, parent), FUi(std::make_unique<Ui::TVideoTab>())
{
    FUi->setupUi(this);
    FUi->VideoListBox->setModel(&FModel);
    FDelegate = new TVideoRowDelegate(FUi->VideoListBox);
    FUi->VideoListBox->setItemDelegate(FDelegate);

    FPopup = new TContextMenu(u"PopupMenu_VideoList"_s, FUi->VideoListBox, Dialogs());
    FPopup->Add(
        u"Menu_Video_AllCheck"_s, tr("全てを選択(&L)"), {QKeySequence(Qt::CTRL | Qt::Key_A)},
        [this] { FModel.SetAllChecked(true); }, nullptr, tr("一覧にある全てのビデオを選択します"));
    FPopup->Add(
        u"Menu_Video_UnCheck"_s, tr("全ての選択を解除(&R)"), {}, [this] { FModel.SetAllChecked(false); },
        nullptr, tr("全てのビデオの選択を解除します"));
    FPopup->addSeparator();
    FExtract = FPopup->Add(
        u"Menu_Video_Extract"_s, tr("ビデオを取り出す(&X)"), {QKeySequence(Qt::Key_F9)},
        [this] { ExtractVideos(); }, nullptr, tr("iPod内のビデオをPCに取り出します"));
    FPopup->addSeparator();
    FPopup->Add(
        u"N30"_s, tr("ビデオの詳細情報"), {QKeySequence(Qt::CTRL | Qt::Key_P)}, [this] { ShowVideoInfo(); },
        nullptr, tr("ビデオの詳細な情報を表示します"));
    SwallowKey(FUi->VideoListBox, Qt::Key_F9);

    connect(FUi->SButton_ExtractVideos, &QPushButton::clicked, this,
            [this] { Guarded([this] { ExtractVideos(); }); });
    connect(FUi->SButton_VideoInfo, &QPushButton::clicked, this,
            [this] { Guarded([this] { ShowVideoInfo(); }); });
    connect(FUi->VideoListBox, &TVideoListBox::RowActivated, this,
            [this] { Guarded([this] { ShowVideoInfo(); }); });
    connect(&FModel, &TReportListModel::CheckMarksChanged, this,
            [this] { Guarded([this] { UpdateVideoSelection(); }); });
    // A new player's videos are read when the page is next shown.
    connect(&Session(), &TPlayerSession::songsLoaded, this, &TVideoTab::ClearList);
    connect(&Session(), &TPlayerSession::playerLost, this, &TVideoTab::ClearList);
    ClearList();
}

TVideoTab::~TVideoTab() = default;

void TVideoTab::ClearList()
{
    FModel.Clear();
    FDelegate->SetSource(nullptr, nullptr);
    FSongs.reset();
    FArtwork.reset();
    FLoaded = false;
    FUi->SButton_VideoInfo->setEnabled(false);
    FUi->SButton_ExtractVideos->setEnabled(false);
    FExtract->setEnabled(false);
}

void TVideoTab::Entering()
{
    FUi->VideoListBox->setFocus();
    if (FLoaded)
        return;
    LoadVideoList();
    UpdateVideoSelection();
    FUi->VideoListBox->setFocus(); // back from the progress window
}

void TVideoTab::LoadVideoList()
{
    const auto songs = Session().SharedSongs();
    FSongs = songs;
    FArtwork = Session().SharedArtwork();
    FDelegate->SetSource(&songs->FSongs, FArtwork.get());
    const QString status = FModel.Load(songs->FSongs, Progress());
    if (FSongs != songs) { // the player went away meanwhile
        ClearList();
        return;
    }
    FLoaded = true;
    FUi->SButton_VideoInfo->setEnabled(FModel.rowCount() > 0);
    FUi->SButton_ExtractVideos->setEnabled(false);
    FExtract->setEnabled(false);
    if (FModel.rowCount() > 0)
        FUi->VideoListBox->setCurrentIndex(FModel.index(0, 0));
    Status().SetStatusText(status);
}

void TVideoTab::UpdateVideoSelection()
{
    Status().SetStatusText(FModel.SelectionSummary());
    const bool any = FModel.CheckedCount() > 0;
    FUi->SButton_ExtractVideos->setEnabled(any);
    FExtract->setEnabled(any);
}

void TVideoTab::ExtractVideos()
{
    if (FModel.CheckedCount() == 0 || !FSongs)
        return;
    TSongCopyCfgForm form(Settings(), Session().Drives(), Dialogs(), TCopyKind::Videos, Window());
    form.SetPlayerRoot(Session().Player().FRoot);
    form.exec();
    if (!form.FConfirmed)
        return;
    TCopyOptions options = TCopyOptions::ForVideos(Settings());
    // Kept alive while the copy runs, whatever happens to the player meanwhile.
    const std::shared_ptr<const TArtworkDBLoader> artwork = FArtwork;
    options.FArtwork = artwork.get(); // artwork for the copies when tags are written into them
    const std::shared_ptr<const TITunesDBLoader> songs = FSongs;
    TTransferLogServices services(Status(), Dialogs(), songs->FSongs, Window());
    const TCopyReport report =
        ::ExtractVideos(songs->FSongs, Session().Player().FRoot, FModel.CopyRows(), options, Progress(),
                        services, Dialogs(), &Session().Library());
    Session().SetCopyReport(report);
}

void TVideoTab::ShowVideoInfo()
{
    const int row = FUi->VideoListBox->CurrentRow();
    const int item = FModel.ItemOfRow(row);
    const int index = FModel.SongIndex(item);
    if (!FSongs || index < 0 || index >= FSongs->FSongs.Count())
        return;
    const TITBSongItem &video = FSongs->FSongs.Items(index);
    TSongInfoForm form(video, SongFilePath(Session().Player().FRoot, video), *FArtwork, Dialogs(), Window());
    form.SetVideoMode(true);
    form.SetChecked(FModel.ItemChecked(item),
                    [this, item](bool checked) { FModel.SetItemChecked(item, checked); });
    form.exec();
    if (form.FChanged)
        UpdateVideoSelection();
}
