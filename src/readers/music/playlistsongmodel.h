#pragma once

#include "common/reportlistmodel.h"

#include <QList>

class TITBPlayListData;
class TITBSongList;
class TSongListModel;

/// The songs of one playlist in its order, with their position: a row is an entry of the playlist (a
/// song may come twice). Its check marks follow the song list's both ways, so that search, the summary
/// and extraction see one set of marks whichever list is shown.
class TPlayListSongModel : public TReportListModel
{
    Q_OBJECT
public:
    /// `songs` holds the marks and the rows the entries point at; it outlives this model.
    explicit TPlayListSongModel(TSongListModel &songs, QObject *parent = nullptr);

    /// Rows for the playlist's songs that the song list shows (videos are not in it).
    void Fill(const TITBSongList &songs, const TITBPlayListData &list);
    void Clear();
    /// The song list's item an entry shows.
    int SongItem(int item) const { return FEntries.value(item, -1); }
    /// The song list's items of every entry, each once, in playlist order.
    QList<int> SongItems() const;

protected:
    QString ItemText(int item, int column) const override;

private:
    /// Marks the entries as their songs are marked.
    void TakeSongMarks();
    /// Gives the songs the marks their entries got here.
    void GiveSongMarks();

    TSongListModel &FSongs;
    bool FSyncing = false;
    QList<int> FEntries; // by position: the song list's item
};
