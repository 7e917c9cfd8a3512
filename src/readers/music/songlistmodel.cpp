#include "music/songlistmodel.h"

#include "music/songinfo.h"

#include "common/format.h"
#include "common/listsort.h"
#include "music/songsearch.h"

using namespace Qt::Literals::StringLiterals;

TSongListModel::TSongListModel(QObject *parent)
    : TReportListModel({tr("曲名"), tr("アーティスト"), tr("アルバム"), tr("再生回数"), tr("最後の再生"),
                        tr("マイレート")},
                       parent)
{
    SetCheckable(true);
    SetSortState(InitialSortState(ssSongs));
}

QString TSongListModel::Load(const TITBSongList &songs, IProgressRunner &progress)
{
    // The progress window repaints the list while the rows are read: it shows an empty list until the
    // new rows are complete, never rows that are being replaced.
    Clear();
    TSongListData loaded;
    const QString text = loaded.Load(songs, progress);
    BeginFill();
    FData.FRows = std::move(loaded.FRows);
    FData.FTree = std::move(loaded.FTree);
    EndFill(int(FData.FRows.size()));
    return text;
}

void TSongListModel::Fill(const TITBSongList &songs, bool videos)
{
    BeginFill();
    FData.FillRows(songs, videos);
    EndFill(int(FData.FRows.size()));
}

void TSongListModel::Clear()
{
    BeginFill();
    FData.FRows.clear();
    FData.FTree.clear();
    EndFill(0);
}

qint64 TSongListModel::CheckedBytes() const
{
    qint64 total = 0;
    for (int item = 0; item < FData.FRows.size(); ++item)
        if (ItemChecked(item))
            total += FData.FRows.at(item).FSize;
    return total;
}

QString TSongListModel::SelectionSummary() const
{
    return SongSelectionSummary(CheckedCount(), CheckedBytes());
}

QList<TCopyRow> TSongListModel::CopyRows() const
{
    QList<TCopyRow> rows;
    rows.reserve(Order().size());
    for (int item : Order())
        rows.append(TCopyRow{FData.FRows.at(item).FIndex, ItemChecked(item)});
    return rows;
}

QString TSongListModel::ItemText(int item, int column) const
{
    const TSongRow &row = FData.FRows.at(item);
    switch (column) {
    case 0:
        return row.FTitle;
    case 1:
        return row.FArtist;
    case 2:
        return row.FAlbum;
    case 3:
        return QString::number(row.FPlayCount);
    case 4:
        // 1462 is the Mac epoch: a song never played.
        return row.FLastPlayed <= 1462 ? QString()
                                       : DateTimeToQDateTime(row.FLastPlayed).toString(u"yyyy/MM/dd HH:mm"_s);
    case 5:
        return RatingStars(row.FRating);
    default:
        return {};
    }
}

QString TSongListModel::ItemSortText(int item, int column) const
{
    // Numbers sort by value: padded to one width.
    const TSongRow &row = FData.FRows.at(item);
    switch (column) {
    case 3:
        return u"%1"_s.arg(row.FPlayCount, 10, 10, QChar(u'0'));
    case 4:
        return u"%1"_s.arg(qint64(row.FLastPlayed * 86400.0), 15, 10, QChar(u'0'));
    case 5:
        return u"%1"_s.arg(int(row.FRating), 3, 10, QChar(u'0'));
    default:
        return ItemText(item, column);
    }
}

TArtistTickModel::TArtistTickModel(QObject *parent) : TReportListModel({tr("アーティストの名前")}, parent)
{
    SetCheckable(true);
}

void TArtistTickModel::Fill(const QList<TArtistTick> &artists)
{
    BeginFill();
    FArtists.clear();
    for (const TArtistTick &artist : artists)
        FArtists.append(artist.FArtist);
    EndFill(int(FArtists.size()));
    QList<int> ticked;
    for (int i = 0; i < artists.size(); ++i)
        if (artists.at(i).FTicked)
            ticked.append(i);
    SetItemsChecked(ticked, true);
}

QList<TArtistTick> TArtistTickModel::Ticks() const
{
    QList<TArtistTick> ticks;
    ticks.reserve(FArtists.size());
    for (int i = 0; i < FArtists.size(); ++i)
        ticks.append(TArtistTick{FArtists.at(i), ItemChecked(i)});
    return ticks;
}

QString TArtistTickModel::ItemText(int item, int column) const
{
    return column == 0 ? FArtists.at(item) : QString();
}
