#include "music/videolistmodel.h"

#include "music/songdb.h"

using namespace Qt::Literals::StringLiterals;

TVideoListModel::TVideoListModel(QObject *parent) : TReportListModel({tr("ビデオ")}, parent)
{
    SetCheckable(true);
}

QString TVideoListModel::Load(const TITBSongList &songs, IProgressRunner &progress)
{
    // Read beside the shown rows: the progress window repaints the list while it runs.
    TVideoListData loaded;
    const QString status = loaded.Load(songs, progress);
    BeginFill();
    FSongs = &songs;
    FData = loaded;
    EndFill(int(FData.FRows.size()));
    return status;
}

void TVideoListModel::Clear()
{
    BeginFill();
    FSongs = nullptr;
    FData.FRows.clear();
    EndFill(0);
}

void TVideoListModel::Fill(const TITBSongList &songs)
{
    BeginFill();
    FSongs = &songs;
    FData.FillRows(songs);
    EndFill(int(FData.FRows.size()));
}

qint64 TVideoListModel::CheckedBytes() const
{
    qint64 total = 0;
    for (int item : CheckedItems()) {
        const int index = SongIndex(item);
        if (FSongs && index >= 0 && index < FSongs->Count())
            total += FSongs->Items(index).FSize;
    }
    return total;
}

QString TVideoListModel::SelectionSummary() const
{
    return VideoSelectionSummary(CheckedCount(), CheckedBytes());
}

QList<TCopyRow> TVideoListModel::CopyRows() const
{
    QList<TCopyRow> rows;
    for (int item : Order())
        rows.append({FData.FRows.at(item), ItemChecked(item)});
    return rows;
}

int TVideoListModel::SongIndex(int item) const
{
    return item >= 0 && item < FData.FRows.size() ? FData.FRows.at(item) : -1;
}

QString TVideoListModel::ItemText(int item, int column) const
{
    Q_UNUSED(column);
    const int index = SongIndex(item);
    return FSongs && index >= 0 && index < FSongs->Count() ? FSongs->Items(index).Title() : QString();
}

QVariant TVideoListModel::ItemData(int item, int column, int role) const
{
    if (role == SongIndexRole && column == 0)
        return SongIndex(item);
    return {};
}
