#include "photos/phototab.h"

#include "app/settings.h"
#include "app/statusline.h"
#include "common/format.h"
#include "photos/photocopyform.h"
#include "photos/photoexport.h"
#include "photos/photoform.h"
#include "photos/photoviewer.h"
#include "session/playersession.h"
#include "ui_phototab.h"
#include "widgets/contextmenu.h"
#include "widgets/keyswallower.h"

#include <QFileInfo>
#include <QHeaderView>

using namespace Qt::Literals::StringLiterals;

TPhotoTab::TPhotoTab(TTabContext context, QWidget *parent)
    : TTabPage(context, parent), FUi(std::make_unique<Ui::TPhotoTab>())
{
    FUi->setupUi(this);
    FUi->PhotoAlbumListView->SetReportModel(&FAlbums);
    FUi->PhotoAlbumListView->horizontalHeader()->hide();
    FUi->PhotoAlbumListView->horizontalHeader()->setStretchLastSection(true);
    FUi->PhotoListBox->setModel(&FGrid);

    FPopup = new TContextMenu(u"PopupMenu_Photo"_s, FUi->PhotoAlbumListView, Dialogs());
    FPopup->Add(u"A1"_s, tr("全てを選択(&A)"), {QKeySequence(Qt::CTRL | Qt::Key_A)},
                [this] { CheckAlbums(true); });
    FPopup->Add(u"N27"_s, tr("全ての選択を解除(&R)"), {}, [this] { CheckAlbums(false); });
    FPopup->addSeparator();
    FExtract = FPopup->Add(u"Menu_ExtractPhotos"_s, tr("フォトを取り出す(&X)"), {QKeySequence(Qt::Key_F9)},
                           [this] { ExtractPhotos(); });
    SwallowKey(FUi->PhotoAlbumListView, Qt::Key_F9);

    connect(FUi->SButton_ExtractPhotos, &QPushButton::clicked, this,
            [this] { Guarded([this] { ExtractPhotos(); }); });
    connect(FUi->SButton_OpenPhoto, &QPushButton::clicked, this,
            [this] { Guarded([this] { OpenPhoto(); }); });
    connect(FUi->PhotoListBox, &TPhotoListBox::RowActivated, this,
            [this] { Guarded([this] { OpenPhoto(); }); });
    connect(&FAlbums, &TReportListModel::CheckMarksChanged, this, &TPhotoTab::UpdateExtractState);
    connect(FUi->PhotoAlbumListView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.indexes().isEmpty())
                    Guarded([&] { ShowAlbum(selected.indexes().first().row()); });
            });
    connect(&Session(), &TPlayerSession::playerLost, this, &TPhotoTab::ClearList);
    connect(&Session(), &TPlayerSession::playerFound, this, &TPhotoTab::ClearList);
    ClearList();
}

TPhotoTab::~TPhotoTab() = default;

void TPhotoTab::ClearList()
{
    FAlbums.Clear();
    FGrid.SetPhotos(nullptr);
    FPhotos.reset();
    FLoaded = false;
    FUi->SButton_OpenPhoto->setEnabled(false);
    UpdateExtractState();
}

void TPhotoTab::Entering()
{
    FUi->PhotoListBox->setFocus();
    if (!FLoaded) {
        LoadPhotoList();
        FUi->PhotoListBox->setFocus(); // back from the progress window
    }
}

void TPhotoTab::LoadPhotoList()
{
    FUi->SButton_OpenPhoto->setEnabled(false);
    FUi->SButton_ExtractPhotos->setEnabled(false);
    const TPlayerInfo player = Session().Player();
    if (player.FPhotoDBFile.isEmpty() || !QFileInfo(player.FPhotoDBFile).isFile()) {
        Status().SetStatusText(tr("iPod内にフォトデータが見つかりません"));
        return;
    }
    // The grid points into the database: emptied before another one takes its place.
    FGrid.SetPhotos(nullptr);
    // The database is read and the grid gathered beside the window, inside the progress window.
    std::shared_ptr<TArtworkDBLoader> photos;
    TPhotoGridModel::TGrid grid;
    IUserDialogs *dialogs = &Dialogs();
    Progress().RunWithProgress(tr("サムネイルの取得"), 0, 1, [&](TProgressContext &context) {
        photos = ReadPhotoDatabase(player, dialogs);
        context.SetMaximum(photos ? photos->Count() : 0);
        if (photos)
            grid = TPhotoGridModel::Gather(*photos, &context);
    });
    Session().SetPhotos(photos);
    FLoaded = true;
    FPhotos = Session().SharedPhotos();
    FGrid.SetPhotos(FPhotos.get());
    FGrid.SetGrid(grid);
    FAlbums.SetAlbums(FPhotos->FAlbums.AlbumRows());
    UpdateExtractState();
    FUi->PhotoListBox->SetCellSize(FGrid.CellSize());
    FUi->PhotoListBox->SetCurrentRow(0);
    FUi->SButton_OpenPhoto->setEnabled(!grid.lastFullFile.isEmpty());
    if (FPhotos->Count() > 0 && !FPhotos->Items(0).FFullFileName.isEmpty())
        FUi->SButton_OpenPhoto->setEnabled(true);
    Status().SetStatusText(
        Format(tr("%d 枚のサムネイル画像を取得しました", nullptr, FPhotos->Count()), {FPhotos->Count()}));
}

void TPhotoTab::ShowAlbum(int row)
{
    if (!FPhotos)
        return;
    QStringList ids;
    if (row == 0)
        FPhotos->ListImageIds(ids);
    else
        FPhotos->FAlbums.GetAlbumImageIds(FAlbums.AlbumName(FAlbums.ItemOfRow(row)), ids);
    FGrid.ShowIds(ids);
    FUi->PhotoListBox->SetCurrentRow(0);
}

void TPhotoTab::UpdateExtractState()
{
    const bool any = FAlbums.CheckedCount() > 0;
    FUi->SButton_ExtractPhotos->setEnabled(any);
    FExtract->setEnabled(any);
}

void TPhotoTab::CheckAlbums(bool checked)
{
    FAlbums.SetOrdinaryChecked(checked);
}

QString TPhotoTab::StepPhoto(int direction, int &index)
{
    const int row = index + direction;
    if (!FPhotos || row < 0 || row >= FGrid.rowCount())
        return {};
    const QString path = PhotoPathForRow(*FPhotos, FGrid.Ids(), row);
    if (path.isEmpty())
        return {};
    index = row;
    FUi->PhotoListBox->SetCurrentRow(row);
    return path;
}

void TPhotoTab::OpenPhoto()
{
    const int row = FUi->PhotoListBox->CurrentRow();
    if (row < 0 || !FPhotos)
        return;
    const QString path = PhotoPathForRow(*FPhotos, FGrid.Ids(), row);
    if (path.isEmpty())
        return;
    TPhotoForm viewer(Settings(), Dialogs(), Window());
    viewer.SetStepCallback([this](int direction, int &index) { return StepPhoto(direction, index); });
    if (viewer.OpenPhoto(path, row, FGrid.rowCount()))
        viewer.exec();
}

void TPhotoTab::ExtractPhotos()
{
    // Kept alive while the export runs, whatever happens to the player meanwhile.
    const std::shared_ptr<const TArtworkDBLoader> photos = FPhotos;
    if (FAlbums.CheckedCount() == 0 || !photos)
        return;
    TKiruIPodINI &settings = Settings();
    TPhotoCopyForm form(settings, Session().Drives(), Dialogs(), Window());
    const int kind = DefaultPhotoExportKind(*photos);
    settings.FPhotoCopy_Type = kind;
    form.SetKind(kind, kind == kExportFullSize);
    if (form.exec() != QDialog::Accepted)
        return;
    settings.FPhotoCopy_Folder = form.Folder();
    settings.FPhotoCopy_Type = form.Kind();
    ExportPhotos(*photos, FAlbums.CheckRows(), settings.FPhotoCopy_Folder, Session().Player().FRoot,
                 TPhotoExportKind(settings.FPhotoCopy_Type), Progress(), Session().CommandServices(),
                 Dialogs());
}
