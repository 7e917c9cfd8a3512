#pragma once

#include "common/reportlistmodel.h"
#include "music/songcopy.h"
#include "music/songlist.h"

class IProgressRunner;
class TITBSongList;

/// The song tab's list: a row points at a row of the song list data (which carries the entry's index in
/// the song database and its size); check marks and the column order live in the base.
class TSongListModel : public TReportListModel
{
    Q_OBJECT
public:
    explicit TSongListModel(TSongListData &data, QObject *parent = nullptr);

    /// Rows and tree from the song database inside the progress window; returns the status text
    /// "%d 曲を読み込みました". The order and arrows stay as they were.
    QString Load(const TITBSongList &songs, IProgressRunner &progress);
    /// Empties the list and the tree.
    void Clear();

    /// Copies the marks of the data's rows (changed by a search or a tree command) into the list.
    void TakeMarksFromData();
    /// "%d 曲を選択しています ( 合計 %.1n MB )" of the checked rows.
    QString SelectionSummary() const;
    qint64 CheckedBytes() const;
    /// Every row in display order with its entry and mark, as the copy loop takes them.
    QList<TCopyRow> CopyRows() const;
    /// The row data of an item.
    const TSongRow &Row(int item) const { return FData.FRows.at(item); }

    TSongListData &Data() { return FData; }

protected:
    QString ItemText(int item, int column) const override;

private:
    void MarksToData();

    TSongListData &FData;
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
