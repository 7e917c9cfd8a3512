#pragma once

#include "common/reportlistmodel.h"
#include "photos/artworkdbloader.h"
#include "photos/photoexport.h"

#include <QAbstractListModel>
#include <QImage>
#include <QList>
#include <QSet>
#include <QSize>
#include <QStringList>

class TProgressContext;

/// The photo tab's album list: one checkable column of album names. The library album (kind 1) is
/// never checked while other albums exist, since exporting it would repeat every other album.
class TPhotoAlbumListModel : public TReportListModel
{
    Q_OBJECT
public:
    enum TAlbumKind : int
    {
        kLibraryAlbum = 1,
    };
    /// The album's kind (1: the library album).
    static constexpr int KindRole = ItemRole + 1;

    explicit TPhotoAlbumListModel(QObject *parent = nullptr);

    /// Shows these albums, none checked.
    void SetAlbums(const QList<TAlbumRow> &albums);
    void Clear() { SetAlbums({}); }
    const QList<TAlbumRow> &Albums() const { return FAlbums; }
    QString AlbumName(int item) const;
    int AlbumKind(int item) const;
    /// Checks (or clears) every album but the library album.
    void SetOrdinaryChecked(bool checked);
    /// Every row in the order shown with its mark, as the export reads them.
    QList<TAlbumCheckRow> CheckRows() const;

protected:
    QString ItemText(int item, int column) const override;
    QVariant ItemData(int item, int column, int role) const override;

private:
    void DropLibraryMark();

    QList<TAlbumRow> FAlbums;
};

/// The photo tab's thumbnail grid: a row is an image id of the photo database. Thumbnails are decoded
/// when a cell is first asked for its picture and stay decoded in the database's thumbnail objects.
class TPhotoGridModel : public QAbstractListModel
{
    Q_OBJECT
public:
    /// The cell's picture (QImage, null when the photo has no readable thumbnail).
    static constexpr int ThumbnailRole = Qt::UserRole + 1;
    /// Cell size when no photo has a thumbnail.
    static constexpr QSize kDefaultCellSize{88, 133};

    /// What a build gathers from the photo database: no model is touched, so it may run anywhere.
    struct TGrid
    {
        QStringList ids;
        QSize cellSize = kDefaultCellSize;
        QString lastFullFile; // full-resolution name of the last photo listed (empty: none can be viewed)
    };

    explicit TPhotoGridModel(QObject *parent = nullptr);
    /// The database the rows point into (null: none); it must outlive its use.
    void SetPhotos(const TArtworkDBLoader *photos);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    /// Every photo that has a thumbnail, in file order, with the cell size of the last of those
    /// thumbnails; nothing is decoded. Advances `context` (when given) per item.
    static TGrid Gather(const TArtworkDBLoader &photos, TProgressContext *context = nullptr);
    /// Shows what a build gathered.
    void SetGrid(const TGrid &grid);
    /// Gathers from the database and shows the result; returns the last full-resolution name.
    QString Build(TProgressContext *context = nullptr);
    /// Shows these image ids (an album's photos, or every photo).
    void ShowIds(const QStringList &ids);
    void Clear() { ShowIds({}); }

    const QStringList &Ids() const { return FIds; }
    QSize CellSize() const { return FCellSize; }
    /// The thumbnail of a row, decoded on the first call; null when it has none.
    QImage Thumbnail(int row) const;
    /// Number of thumbnails decoded through this grid since it was built.
    int DecodedCount() const { return int(FDecoded.size()); }

private:
    const TArtworkDBLoader *FPhotos = nullptr;
    QStringList FIds;
    QSize FCellSize = kDefaultCellSize;
    mutable QSet<QString> FDecoded; // ids shown with a picture
};
