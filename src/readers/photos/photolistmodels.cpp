#include "photos/photolistmodels.h"

#include "app/progress.h"

using namespace Qt::Literals::StringLiterals;

TPhotoAlbumListModel::TPhotoAlbumListModel(QObject *parent) : TReportListModel({tr("アルバム")}, parent)
{
    SetCheckable(true);
    connect(this, &TReportListModel::CheckMarksChanged, this, &TPhotoAlbumListModel::DropLibraryMark);
}

void TPhotoAlbumListModel::SetAlbums(const QList<TAlbumRow> &albums)
{
    BeginFill();
    FAlbums = albums;
    EndFill(int(FAlbums.size()));
}

QString TPhotoAlbumListModel::AlbumName(int item) const
{
    return item >= 0 && item < FAlbums.size() ? FAlbums.at(item).FName : QString();
}

int TPhotoAlbumListModel::AlbumKind(int item) const
{
    return item >= 0 && item < FAlbums.size() ? FAlbums.at(item).FKind : 0;
}

void TPhotoAlbumListModel::SetOrdinaryChecked(bool checked)
{
    QList<int> items;
    for (int item = 0; item < FAlbums.size(); ++item)
        if (FAlbums.at(item).FKind != kLibraryAlbum)
            items.append(item);
    SetItemsChecked(items, checked);
}

QList<TAlbumCheckRow> TPhotoAlbumListModel::CheckRows() const
{
    QList<TAlbumCheckRow> rows;
    for (int item : Order())
        rows.append({FAlbums.at(item).FName, ItemChecked(item)});
    return rows;
}

QString TPhotoAlbumListModel::ItemText(int item, int column) const
{
    Q_UNUSED(column);
    return FAlbums.at(item).FName;
}

QVariant TPhotoAlbumListModel::ItemData(int item, int column, int role) const
{
    if (role == KindRole && column == 0)
        return FAlbums.at(item).FKind;
    return {};
}

void TPhotoAlbumListModel::DropLibraryMark()
{
    if (FAlbums.size() < 2)
        return;
    for (int item = 0; item < FAlbums.size(); ++item)
        if (FAlbums.at(item).FKind == kLibraryAlbum && ItemChecked(item))
            SetItemChecked(item, false);
}

TPhotoGridModel::TPhotoGridModel(QObject *parent) : QAbstractListModel(parent) {}

void TPhotoGridModel::SetPhotos(const TArtworkDBLoader *photos)
{
    beginResetModel();
    FPhotos = photos;
    FIds.clear();
    FDecoded.clear();
    endResetModel();
}

int TPhotoGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(FIds.size());
}

QVariant TPhotoGridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return FIds.at(index.row());
    case Qt::SizeHintRole:
        return QSize(FCellSize.width(), FCellSize.height() + 2);
    case ThumbnailRole:
        return Thumbnail(index.row());
    default:
        return {};
    }
}

Qt::ItemFlags TPhotoGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

TPhotoGridModel::TGrid TPhotoGridModel::Gather(const TArtworkDBLoader &photos, TProgressContext *context)
{
    if (context)
        context->SetLabel(tr("情報の整理中..."));
    TGrid grid;
    QSize cell = kDefaultCellSize;
    for (int k = 0; k < photos.Count(); ++k) {
        const TArtItem &item = photos.Items(k);
        if (const TArtImageObject *thumb = item.SelectImage(-1)) {
            grid.ids.append(QString::number(item.FImageId));
            cell = QSize(thumb->FDataWidth, thumb->FDataHeight);
            grid.lastFullFile = item.FFullFileName;
        }
        if (context)
            context->SetPosition(k);
    }
    // A cell of no area would make the grid's column count meaningless.
    grid.cellSize = cell.width() <= 0 || cell.height() <= 0 ? kDefaultCellSize : cell;
    return grid;
}

void TPhotoGridModel::SetGrid(const TGrid &grid)
{
    beginResetModel();
    FIds = grid.ids;
    FCellSize = grid.cellSize;
    FDecoded.clear();
    endResetModel();
}

QString TPhotoGridModel::Build(TProgressContext *context)
{
    if (!FPhotos) {
        SetGrid({});
        return {};
    }
    const TGrid grid = Gather(*FPhotos, context);
    SetGrid(grid);
    return grid.lastFullFile;
}

void TPhotoGridModel::ShowIds(const QStringList &ids)
{
    beginResetModel();
    FIds = ids;
    endResetModel();
}

QImage TPhotoGridModel::Thumbnail(int row) const
{
    if (!FPhotos || row < 0 || row >= FIds.size())
        return {};
    const TArtItem *item = FPhotos->FindByImageId(FIds.at(row).toUInt());
    if (!item)
        return {};
    TArtImageObject *thumb = item->SelectImage(-1);
    if (!thumb)
        return {};
    const QImage picture = thumb->Bitmap();
    if (!picture.isNull())
        FDecoded.insert(FIds.at(row));
    return picture;
}
