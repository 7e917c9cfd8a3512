#pragma once

#include "common/reportlistmodel.h"
#include "photos/artworkdbloader.h"
#include "photos/photoexport.h"

#include <QAbstractListModel>
#include <QImage>
#include <QList>
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

    explicit TPhotoGridModel(const TArtworkDBLoader &photos, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    /// Fills the grid with every photo that has a thumbnail, in file order, and takes the cell size
    /// from the last of those thumbnails; nothing is decoded. Advances `context` (when given) per item.
    /// Returns the full-resolution name of the last photo listed (empty: none can be viewed).
    QString Build(TProgressContext *context = nullptr);
    /// Shows these image ids (an album's photos, or every photo).
    void ShowIds(const QStringList &ids);
    void Clear() { ShowIds({}); }

    const QStringList &Ids() const { return FIds; }
    QSize CellSize() const { return FCellSize; }
    /// The thumbnail of a row, decoded on the first call; null when it has none.
    QImage Thumbnail(int row) const;
    /// Number of thumbnails decoded through this grid since it was built.
    int DecodedCount() const { return FDecoded; }

private:
    const TArtworkDBLoader &FPhotos;
    QStringList FIds;
    QSize FCellSize = kDefaultCellSize;
    mutable int FDecoded = 0;
};
