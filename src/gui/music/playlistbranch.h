#pragma once

#include <QObject>

#include <memory>

class QModelIndex;
class QStandardItemModel;
class QTreeView;
class TITunesDBLoader;
class TPlayListSongModel;
class TReportListView;
class TSongListModel;

/// The song tab's "プレイリスト" branch: one node per playlist below it (folders nesting their
/// playlists), and the song list showing a chosen playlist's songs in its order with their position.
class TPlayListBranch : public QObject
{
    Q_OBJECT
public:
    TPlayListBranch(QStandardItemModel &tree, TReportListView &list, TSongListModel &songs,
                    QObject *parent = nullptr);
    ~TPlayListBranch() override;

    /// Adds the branch at the end of the tree for the database's playlists (the master playlist is the
    /// whole song list and is left out).
    void Fill(std::shared_ptr<const TITunesDBLoader> db);
    /// Shows the whole song list again and forgets the playlists.
    void Clear();

    /// Whether a tree node is the branch or lies below it.
    bool InBranch(const QModelIndex &index) const;
    /// The playlist a tree node stands for; -1 for any other node.
    int PlayListOf(const QModelIndex &index) const;
    /// Shows the playlist's songs in the list; -1 shows the whole song list.
    void Show(int playList);
    int Shown() const { return FShown; }
    /// The song list's item of the list view's current row, whichever list is shown; -1 for none.
    int CurrentSongItem() const;
    /// The song list's items of a playlist, each once, in playlist order.
    QList<int> SongItems(int playList);
    const TITunesDBLoader *Database() const { return FDb.get(); }

private:
    QStandardItemModel &FTree;
    TReportListView &FList;
    TSongListModel &FSongs;
    TPlayListSongModel *FModel;
    std::shared_ptr<const TITunesDBLoader> FDb;
    int FShown = -1;
};
