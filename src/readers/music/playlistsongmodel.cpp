#include "music/playlistsongmodel.h"

#include "music/songdb.h"
#include "music/songlistmodel.h"

#include <QHash>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

//: Column: the song's place in the playlist
TPlayListSongModel::TPlayListSongModel(TSongListModel &songs, QObject *parent)
    : TReportListModel({tr("位置"), tr("タイトル"), tr("アーティスト"), tr("アルバム")}, parent),
      FSongs(songs)
{
    SetCheckable(true);
    // Marks set in the song list (search, check all) show here at once, and the other way round.
    connect(&FSongs, &TReportListModel::CheckMarksChanged, this, &TPlayListSongModel::TakeSongMarks);
    connect(this, &TReportListModel::CheckMarksChanged, this, &TPlayListSongModel::GiveSongMarks);
}

void TPlayListSongModel::Fill(const TITBSongList &songs, const TITBPlayListData &list)
{
    FSyncing = true; // the marks a fill clears are not the songs'
    BeginFill();
    FEntries.clear();
    QHash<int, int> itemOfSong;
    const TSongListData &data = FSongs.Data();
    for (int item = 0; item < data.FRows.size(); ++item)
        itemOfSong.insert(data.FRows.at(item).FIndex, item);
    for (const int song : PlayListSongIndexes(songs, list))
        if (const auto at = itemOfSong.constFind(song); at != itemOfSong.cend())
            FEntries.append(*at);
    EndFill(int(FEntries.size()));
    FSyncing = false;
    TakeSongMarks();
}

void TPlayListSongModel::Clear()
{
    FSyncing = true;
    BeginFill();
    FEntries.clear();
    EndFill(0);
    FSyncing = false;
}

QList<int> TPlayListSongModel::SongItems() const
{
    QList<int> items;
    QSet<int> seen;
    for (const int item : FEntries)
        if (!seen.contains(item)) {
            seen.insert(item);
            items.append(item);
        }
    return items;
}

void TPlayListSongModel::TakeSongMarks()
{
    if (FSyncing)
        return;
    FSyncing = true;
    QList<int> on, off;
    for (int entry = 0; entry < FEntries.size(); ++entry)
        (FSongs.ItemChecked(FEntries.at(entry)) ? on : off).append(entry);
    SetItemsChecked(on, true);
    SetItemsChecked(off, false);
    FSyncing = false;
}

void TPlayListSongModel::GiveSongMarks()
{
    if (FSyncing)
        return;
    FSyncing = true;
    QList<int> on, off;
    for (int entry = 0; entry < FEntries.size(); ++entry) {
        const int item = FEntries.at(entry);
        if (ItemChecked(entry) != FSongs.ItemChecked(item))
            (ItemChecked(entry) ? on : off).append(item);
    }
    FSongs.SetItemsChecked(on, true);
    FSongs.SetItemsChecked(off, false);
    FSyncing = false;
    TakeSongMarks(); // another entry of the same song follows
}

QString TPlayListSongModel::ItemText(int item, int column) const
{
    const TSongRow &row = FSongs.Row(FEntries.at(item));
    switch (column) {
    case 0:
        return QString::number(item + 1);
    case 1:
        return row.FTitle;
    case 2:
        return row.FArtist;
    case 3:
        return row.FAlbum;
    default:
        return {};
    }
}
