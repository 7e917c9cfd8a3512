#include "video/videotab.h"

#include "app/settings.h"
#include "device/kiruipod.h"
#include "dialogs/guarded.h"
#include "mainform/mainform.h"
#include "music/songcopycfgform.h"
#include "music/songinfo.h"
#include "music/songinfoform.h"
#include "ui_videotab.h"
#include "video/videolistbox.h"
#include "widgets/keyswallower.h"

#include <QKeyEvent>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

namespace {

QAction *AddMenuItem(QMenu *menu, const QString &name, const QString &caption, const QString &hint,
                     const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    return action;
}

} // namespace

TVideoTab::TVideoTab(TMainForm &form)
    : FForm(form), FUi(std::make_unique<Ui::TVideoTab>()), FModel(form.Device().FSongDB.FSongs)
{
    FUi->setupUi(this);
    FUi->VideoListBox->setModel(&FModel);
    FUi->VideoListBox->setItemDelegate(
        new TVideoRowDelegate(form.Device().FSongDB.FSongs, form.Device().FArtworkDB, FUi->VideoListBox));

    FPopup = new QMenu(this);
    FPopup->setObjectName(u"PopupMenu_VideoList"_s);
    FPopup->setToolTipsVisible(true);
    QAction *all = AddMenuItem(FPopup, u"Menu_Video_AllCheck"_s, u"全てを選択(&L)"_s,
                               u"一覧にある全てのビデオを選択します"_s, QKeySequence(Qt::CTRL | Qt::Key_A));
    QAction *none = AddMenuItem(FPopup, u"Menu_Video_UnCheck"_s, u"全ての選択を解除(&R)"_s,
                                u"全てのビデオの選択を解除します"_s);
    FPopup->addSeparator();
    FExtract = AddMenuItem(FPopup, u"Menu_Video_Extract"_s, u"ビデオを取り出す(&X)"_s,
                           u"iPod内のビデオをPCに取り出します"_s, QKeySequence(Qt::Key_F9));
    FPopup->addSeparator();
    QAction *info = AddMenuItem(FPopup, u"N30"_s, u"ビデオの詳細情報"_s, u"ビデオの詳細な情報を表示します"_s,
                                QKeySequence(Qt::CTRL | Qt::Key_P));
    FUi->VideoListBox->addActions({all, none, FExtract, info});
    SwallowKey(FUi->VideoListBox, Qt::Key_F9);

    connect(FUi->VideoListBox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { FPopup->popup(FUi->VideoListBox->viewport()->mapToGlobal(pos)); });
    connect(all, &QAction::triggered, this, [this] { Guarded([this] { FModel.SetAllChecked(true); }); });
    connect(none, &QAction::triggered, this, [this] { Guarded([this] { FModel.SetAllChecked(false); }); });
    connect(FExtract, &QAction::triggered, this,
            [this] { Guarded([this] { SButton_ExtractVideosClick(); }); });
    connect(info, &QAction::triggered, this, [this] { Guarded([this] { SButton_VideoInfoClick(); }); });
    connect(FUi->SButton_ExtractVideos, &QPushButton::clicked, this,
            [this] { Guarded([this] { SButton_ExtractVideosClick(); }); });
    connect(FUi->SButton_VideoInfo, &QPushButton::clicked, this,
            [this] { Guarded([this] { SButton_VideoInfoClick(); }); });
    connect(FUi->VideoListBox, &TVideoListBox::RowActivated, this,
            [this] { Guarded([this] { SButton_VideoInfoClick(); }); });
    connect(&FModel, &TReportListModel::CheckMarksChanged, this,
            [this] { Guarded([this] { UpdateVideoSelection(); }); });
    ClearList();
}

TVideoTab::~TVideoTab() = default;

void TVideoTab::Guarded(const std::function<void()> &command)
{
    RunGuarded(FForm.Dialogs(), command);
}

void TVideoTab::LoadTabData(TTabCode tabCode)
{
    if (tabCode == TTabCode::Videos)
        LoadVideoList();
}

void TVideoTab::ClearList()
{
    FModel.Clear();
    FUi->SButton_VideoInfo->setEnabled(false);
    FUi->SButton_ExtractVideos->setEnabled(false);
    FExtract->setEnabled(false);
}

void TVideoTab::Entering()
{
    FUi->VideoListBox->setFocus();
}

void TVideoTab::Loaded()
{
    UpdateVideoSelection();
}

void TVideoTab::LoadVideoList()
{
    const QString status = FModel.Load(FForm.Progress());
    FUi->SButton_VideoInfo->setEnabled(FModel.rowCount() > 0);
    FUi->SButton_ExtractVideos->setEnabled(false);
    FExtract->setEnabled(false);
    if (FModel.rowCount() > 0)
        FUi->VideoListBox->setCurrentIndex(FModel.index(0, 0));
    FForm.SetStatusText(status);
}

void TVideoTab::UpdateVideoSelection()
{
    FForm.SetStatusText(FModel.SelectionSummary());
    const bool any = FModel.CheckedCount() > 0;
    FUi->SButton_ExtractVideos->setEnabled(any);
    FExtract->setEnabled(any);
}

void TVideoTab::SButton_ExtractVideosClick()
{
    if (FModel.CheckedCount() == 0)
        return;
    TSongCopyCfgForm form(FForm.Settings(), FForm.Drives(), FForm.Dialogs(), TCopyKind::Videos, &FForm);
    form.exec();
    if (!form.FConfirmed)
        return;
    TBusyScope busy;
    TKiruIPOD &device = FForm.Device();
    TCopyOptions options = TCopyOptions::ForVideos(FForm.Settings());
    options.FArtwork = &device.FArtworkDB; // artwork for the copies when tags are written into them
    ExtractVideos(device.FSongDB.FSongs, device.FChecker.FRoot, FModel.CopyRows(), options, FForm.Progress(),
                  FForm, FForm.Dialogs(), &device.FLibrary);
}

void TVideoTab::SButton_VideoInfoClick()
{
    const int row = FUi->VideoListBox->CurrentRow();
    const int item = FModel.ItemOfRow(row);
    const int index = FModel.SongIndex(item);
    TKiruIPOD &device = FForm.Device();
    if (index < 0 || index >= device.FSongDB.FSongs.Count())
        return;
    TITBSongItem &video = device.FSongDB.FSongs.Items(index);
    TSongInfoForm form(video, SongFilePath(device.FChecker.FRoot, video), device.FArtworkDB, FForm.Dialogs(),
                       &FForm);
    form.SetVideoMode(true);
    form.SetChecked(FModel.ItemChecked(item),
                    [this, item](bool checked) { FModel.SetItemChecked(item, checked); });
    form.exec();
    if (form.FChanged)
        UpdateVideoSelection();
}
