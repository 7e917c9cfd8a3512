#pragma once

#include <QCollator>
#include <QList>
#include <QStringList>

#include <functional>

/// Sort slots of the main window's sortable lists and the order each starts in.
enum TSortSlot : int
{
    ssCalendar = 1, // events: "日時" ascending
    ssSongs = 2,    // songs: artist ascending
    ssTodo = 4,     // tasks: the hidden "日時" ascending
    ssAddress = 5,  // contacts: "名前" ascending
};

/// The sort state a list starts with: ±k sorts by column k-1, positive ascending; 0 no order.
int InitialSortState(int sortSlot);

/// One report list's column sorting: its sort state, the ▲/▼ on the sorted caption, the row order.
class TListSortState
{
public:
    /// Starts sorted by the state without an arrow on any caption.
    TListSortState(const QStringList &captions, int state);

    /// A click on a column header: the same column reverses, another sorts ascending by it.
    void ColumnClick(int column);
    int State() const { return FState; }
    /// The column the state sorts by; -1 for no order.
    int SortColumn() const { return FState == 0 ? -1 : qAbs(FState) - 1; }
    /// The captions as shown, the sorted one with its arrow once a header was clicked.
    const QStringList &Captions() const { return FCaptions; }

    /// Compares rows (caption first, then the sub-items) by the state, in the user's locale order:
    /// -1, 0 or 1.
    int Compare(const QStringList &a, const QStringList &b) const;
    /// Sorts rows by the state; rows that compare equal keep their order.
    void Sort(QList<QStringList> &rows) const;
    /// Puts `order` (indices of items) in the state's order, with the sorted column's text of an item
    /// given by `textOf`. Each item's sort key is computed once; equal items keep their order.
    void SortOrder(QList<int> &order, const std::function<QString(int item)> &textOf) const;

private:
    void RemoveArrow(int column);

    QStringList FCaptions;
    QList<int> FTags; // the sort value whose arrow a column carries, 0 for none
    int FState;
    QCollator FCollator;
};
