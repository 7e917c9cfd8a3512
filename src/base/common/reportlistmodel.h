#pragma once

#include "common/listsort.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

/// Base of the program's report lists. A row points at an item of the subclass's own data (an index
/// into the song list, a file path ...); the base keeps the row order, the check marks and the column
/// sorting with its header arrows. Subclasses give the texts of an item's columns.
class TReportListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum TRole : int
    {
        RawSortRole = Qt::UserRole + 1, // what the column sorts by
        ItemRole,                       // the item (index into the subclass's data) a row shows
    };

    explicit TReportListModel(const QStringList &captions, QObject *parent = nullptr);
    ~TReportListModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// A column's caption as given, without the sort arrow.
    QString ColumnCaption(int column) const { return FCaptions.value(column); }
    /// The item a row shows, and back; -1 when out of range.
    int ItemOfRow(int row) const;
    int RowOfItem(int item) const;
    /// The items in the order they are shown.
    const QList<int> &Order() const { return FOrder; }

    /// Rows with a check box in their first column.
    void SetCheckable(bool checkable) { FCheckable = checkable; }
    bool Checkable() const { return FCheckable; }
    bool ItemChecked(int item) const;
    /// Changes one item's mark; emits CheckMarksChanged when it changed.
    void SetItemChecked(int item, bool checked);
    /// Changes many marks with one notification; returns how many changed.
    int SetItemsChecked(const QList<int> &items, bool checked);
    void SetAllChecked(bool checked);
    int CheckedCount() const { return FCheckedCount; }
    /// The checked items in the order they are shown.
    QList<int> CheckedItems() const;

    /// Makes the list sortable with the given starting state (±k: column k-1; 0: no order). A list
    /// that is never given one only shades its rows.
    void SetSortState(int state);
    bool Sortable() const { return FSort != nullptr; }
    /// 0 when the list does not sort.
    int SortState() const;
    /// A click on a header: reverses or changes the order, moves the arrow, re-sorts.
    void ColumnClick(int column);
    /// Re-sorts the rows by the current state (after the items' texts changed).
    void Resort();

signals:
    /// Some check mark changed, by the user or by a command.
    void CheckMarksChanged();

protected:
    /// The text an item shows in a column.
    virtual QString ItemText(int item, int column) const = 0;
    /// What a column sorts by; the shown text unless a subclass knows better.
    virtual QString ItemSortText(int item, int column) const { return ItemText(item, column); }
    /// Further roles (icons, tool tips, colours) of an item's cell.
    virtual QVariant ItemData(int item, int column, int role) const;

    /// Replaces every row: call `BeginFill`, refill the subclass's data, then `EndFill` with the number
    /// of items. Marks are cleared and the rows sorted by the current state.
    void BeginFill();
    void EndFill(int itemCount);
    /// An item's texts changed in place: repaints its row (the order stays until `Resort`).
    void ItemChanged(int item);
    /// Takes new items in place of the old ones, matching them by key (a file, say): rows whose key
    /// stays keep their place in the view, their selection and their marks; rows whose key went are
    /// removed, new ones inserted, and the order is kept. `takeNewItems` replaces the subclass's data;
    /// `oldKeys` and `newKeys` give an item's key by its index before and after.
    void UpdateItems(const QStringList &oldKeys, const QStringList &newKeys,
                     const std::function<void()> &takeNewItems);

private:
    void SortOrder();
    /// Changes the order of the rows; selections and other kept indexes follow their items.
    void Reorder(const std::function<void()> &reorder);
    void CountChecks();

    QStringList FCaptions;
    std::unique_ptr<TListSortState> FSort;
    QList<int> FOrder;     // row -> item
    QList<int> FRowOfItem; // item -> row
    QList<bool> FChecked;  // by item
    int FCheckedCount = 0;
    bool FCheckable = false;
};
