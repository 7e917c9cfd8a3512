#include "photos/phototab.h"

#include "app/settings.h"
#include "common/format.h"
#include "device/kiruipod.h"
#include "dialogs/guarded.h"
#include "mainform/mainform.h"
#include "photos/photocopyform.h"
#include "photos/photoexport.h"
#include "photos/photoform.h"
#include "photos/photoviewer.h"
#include "ui_phototab.h"
#include "widgets/keyswallower.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

TPhotoTab::TPhotoTab(TMainForm &form)
    : FForm(form), FUi(std::make_unique<Ui::TPhotoTab>()), FGrid(form.Device().FPhotoDB)
{
    FUi->setupUi(this);
    FUi->PhotoAlbumListView->SetReportModel(&FAlbums);
    FUi->PhotoAlbumListView->horizontalHeader()->hide();
    FUi->PhotoAlbumListView->horizontalHeader()->setStretchLastSection(true);
    FUi->PhotoListBox->setModel(&FGrid);

    FPopup = new QMenu(this);
    FPopup->setObjectName(u"PopupMenu_Photo"_s);
    FSelectAll = FPopup->addAction(u"全てを選択(&A)"_s);
    FSelectAll->setObjectName(u"A1"_s);
    FSelectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    FClearAll = FPopup->addAction(u"全ての選択を解除(&R)"_s);
    FClearAll->setObjectName(u"N27"_s);
    FPopup->addSeparator();
    FExtract = FPopup->addAction(u"フォトを取り出す(&X)"_s);
    FExtract->setObjectName(u"Menu_ExtractPhotos"_s);
    FExtract->setShortcut(QKeySequence(Qt::Key_F9));
    for (QAction *action : {FSelectAll, FClearAll, FExtract}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        FUi->PhotoAlbumListView->addAction(action);
    }
    SwallowKey(FUi->PhotoAlbumListView, Qt::Key_F9);

    connect(FUi->PhotoAlbumListView, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        FPopup->popup(FUi->PhotoAlbumListView->viewport()->mapToGlobal(pos));
    });
    connect(FSelectAll, &QAction::triggered, this, [this] { Guarded([this] { N27Click(0); }); });
    connect(FClearAll, &QAction::triggered, this, [this] { Guarded([this] { N27Click(1); }); });
    connect(FExtract, &QAction::triggered, this,
            [this] { Guarded([this] { SButton_ExtractPhotosClick(); }); });
    connect(FUi->SButton_ExtractPhotos, &QPushButton::clicked, this,
            [this] { Guarded([this] { SButton_ExtractPhotosClick(); }); });
    connect(FUi->SButton_OpenPhoto, &QPushButton::clicked, this,
            [this] { Guarded([this] { SButton_OpenPhotoClick(); }); });
    connect(FUi->PhotoListBox, &TPhotoListBox::RowActivated, this,
            [this] { Guarded([this] { SButton_OpenPhotoClick(); }); });
    connect(&FAlbums, &TReportListModel::CheckMarksChanged, this,
            [this] { Guarded([this] { PhotoAlbumListViewChange(); }); });
    connect(FUi->PhotoAlbumListView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.indexes().isEmpty())
                    Guarded([&] { PhotoAlbumListViewSelectItem(selected.indexes().first().row()); });
            });
    ClearList();
}

TPhotoTab::~TPhotoTab() = default;

void TPhotoTab::Guarded(const std::function<void()> &command)
{
    RunGuarded(FForm.Dialogs(), command);
}

void TPhotoTab::LoadTabData(TTabCode tabCode)
{
    if (tabCode == TTabCode::Photos)
        LoadPhotoList();
}

void TPhotoTab::ClearList()
{
    FAlbums.Clear();
    FGrid.Clear();
    FUi->SButton_OpenPhoto->setEnabled(false);
    UpdateExtractState();
}

void TPhotoTab::Entering()
{
    FUi->PhotoListBox->setFocus();
}

void TPhotoTab::LoadPhotoList()
{
    FUi->SButton_OpenPhoto->setEnabled(false);
    FUi->SButton_ExtractPhotos->setEnabled(false);
    TKiruIPOD &device = FForm.Device();
    const QString file = device.FChecker.FPhotoDBFile;
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        FForm.SetStatusText(u"iPod内にフォトデータが見つかりません"_s);
        return;
    }
    TArtworkDBLoader &photos = device.FPhotoDB;
    // The grid points into the reader: empty it before the reader is refilled.
    FGrid.Clear();
    photos.LoadFromFile(file);
    FAlbums.SetAlbums(photos.FAlbums.AlbumRows());
    UpdateExtractState();

    QString lastFullFile;
    const int position = FForm.Progress().RunWithProgress(
        u"サムネイルの取得"_s, 0, photos.Count(),
        [&](TProgressContext &context) { lastFullFile = FGrid.Build(&context); });
    FUi->PhotoListBox->SetCellSize(FGrid.CellSize());
    FUi->PhotoListBox->SetCurrentRow(0);
    FUi->SButton_OpenPhoto->setEnabled(!lastFullFile.isEmpty());
    if (position > 0 && !photos.Items(0).FFullFileName.isEmpty())
        FUi->SButton_OpenPhoto->setEnabled(true);
    FForm.SetStatusText(Format(u"%d 枚のサムネイル画像を取得しました"_s, {position + 1}));
}

void TPhotoTab::PhotoAlbumListViewSelectItem(int row)
{
    const TArtworkDBLoader &photos = FForm.Device().FPhotoDB;
    QStringList ids;
    if (row == 0)
        photos.ListImageIds(ids);
    else
        photos.FAlbums.GetAlbumImageIds(FAlbums.AlbumName(FAlbums.ItemOfRow(row)), ids);
    FGrid.ShowIds(ids);
    FUi->PhotoListBox->SetCurrentRow(0);
}

void TPhotoTab::PhotoAlbumListViewChange()
{
    UpdateExtractState();
}

void TPhotoTab::UpdateExtractState()
{
    const bool any = FAlbums.CheckedCount() > 0;
    FUi->SButton_ExtractPhotos->setEnabled(any);
    FExtract->setEnabled(any);
}

void TPhotoTab::N27Click(int tag)
{
    FAlbums.SetOrdinaryChecked(tag == 0);
}

QString TPhotoTab::StepPhoto(int direction, int &index)
{
    const int row = index + direction;
    if (row < 0 || row >= FGrid.rowCount())
        return {};
    const QString path = PhotoPathForRow(FForm.Device().FPhotoDB, FGrid.Ids(), row);
    if (path.isEmpty())
        return {};
    index = row;
    FUi->PhotoListBox->SetCurrentRow(row);
    return path;
}

void TPhotoTab::SButton_OpenPhotoClick()
{
    const int row = FUi->PhotoListBox->CurrentRow();
    if (row < 0)
        return;
    const QString path = PhotoPathForRow(FForm.Device().FPhotoDB, FGrid.Ids(), row);
    if (path.isEmpty())
        return;
    TPhotoForm viewer(FForm.Settings(), FForm.Dialogs(), &FForm);
    viewer.SetStepCallback([this](int direction, int &index) { return StepPhoto(direction, index); });
    if (viewer.OpenPhoto(path, row, FGrid.rowCount()))
        viewer.exec();
}

void TPhotoTab::SButton_ExtractPhotosClick()
{
    if (FAlbums.CheckedCount() == 0)
        return;
    TKiruIPodINI &settings = FForm.Settings();
    const TArtworkDBLoader &photos = FForm.Device().FPhotoDB;
    TPhotoCopyForm form(settings, FForm.Drives(), FForm.Dialogs(), &FForm);
    const int kind = DefaultPhotoExportKind(photos);
    settings.FPhotoCopy_Type = kind;
    form.SetKind(kind, kind == kExportFullSize);
    if (form.exec() != QDialog::Accepted)
        return;
    settings.FPhotoCopy_Folder = form.Folder();
    settings.FPhotoCopy_Type = form.Kind();
    ExportPhotos(photos, FAlbums.CheckRows(), settings.FPhotoCopy_Folder, TPhotoExportKind(settings.FPhotoCopy_Type),
                 FForm.Progress(), FForm, FForm.Dialogs());
}
