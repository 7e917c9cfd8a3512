#pragma once

#include "common/reportlistmodel.h"
#include "music/songcopy.h"
#include "music/songlist.h"

class IProgressRunner;
class TITBSongList;

/// The song tab's list: a row points at a row of its song list data (which carries the entry's index in
/// the song database and its size); the check marks and the column order live in the base. The window
/// and the command line check songs here, and only here.
class TSongListModel : public TReportListModel
{
    Q_OBJECT
public:
    explicit TSongListModel(QObject *parent = nullptr);

    /// Rows and tree from the song database inside the progress window; returns the status text
    /// "%d 曲を読み込みました". The order and arrows stay as they were.
    QString Load(const TITBSongList &songs, IProgressRunner &progress);
    /// Rows for the songs (or the videos), without a tree and without a progress display.
    void Fill(const TITBSongList &songs, bool videos = false);
    /// Empties the list and the tree.
    void Clear();

    /// Checks the items given; returns how many were not checked before.
    int CheckItems(const QList<int> &items) { return SetItemsChecked(items, true); }
    /// "%d 曲を選択しています ( 合計 %.1n MB )" of the checked rows.
    QString SelectionSummary() const;
    qint64 CheckedBytes() const;
    /// Every row in display order with its entry and mark, as the copy loop takes them.
    QList<TCopyRow> CopyRows() const;
    /// The row data of an item.
    const TSongRow &Row(int item) const { return FData.FRows.at(item); }

    const TSongListData &Data() const { return FData; }

protected:
    QString ItemText(int item, int column) const override;
    QString ItemSortText(int item, int column) const override;

private:
    TSongListData FData;
};

struct TArtistTick;

/// The search window's artist list: one checkable row per artist of the tree, in the tree's order.
class TArtistTickModel : public TReportListModel
{
    Q_OBJECT
public:
    explicit TArtistTickModel(QObject *parent = nullptr);
    void Fill(const QList<TArtistTick> &artists);
    /// The artists with the user's ticks.
    QList<TArtistTick> Ticks() const;

protected:
    QString ItemText(int item, int column) const override;

private:
    QStringList FArtists;
};
