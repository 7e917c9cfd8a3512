#include "common/reportlistmodel.h"

#include <QHash>

#include <algorithm>
#include <numeric>

TReportListModel::TReportListModel(const QStringList &captions, QObject *parent)
    : QAbstractTableModel(parent), FCaptions(captions)
{}

TReportListModel::~TReportListModel() = default;

int TReportListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(FOrder.size());
}

int TReportListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(FCaptions.size());
}

int TReportListModel::ItemOfRow(int row) const
{
    return row >= 0 && row < FOrder.size() ? FOrder.at(row) : -1;
}

int TReportListModel::RowOfItem(int item) const
{
    return item >= 0 && item < FRowOfItem.size() ? FRowOfItem.at(item) : -1;
}

QVariant TReportListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int item = FOrder.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return ItemText(item, index.column());
    case Qt::CheckStateRole:
        if (FCheckable && index.column() == 0)
            return FChecked.at(item) ? Qt::Checked : Qt::Unchecked;
        return {};
    case RawSortRole:
        return ItemSortText(item, index.column());
    case ItemRole:
        return item;
    default:
        return ItemData(item, index.column(), role);
    }
}

QVariant TReportListModel::ItemData(int, int, int) const
{
    return {};
}

bool TReportListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !FCheckable || index.column() != 0 ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    SetItemChecked(FOrder.at(index.row()), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags TReportListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (FCheckable && index.column() == 0)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

QVariant TReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= FCaptions.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return FSort ? FSort->Captions().value(section) : FCaptions.at(section);
}

bool TReportListModel::ItemChecked(int item) const
{
    return item >= 0 && item < FChecked.size() && FChecked.at(item);
}

void TReportListModel::SetItemChecked(int item, bool checked)
{
    if (item < 0 || item >= FChecked.size() || FChecked.at(item) == checked)
        return;
    FChecked[item] = checked;
    FCheckedCount += checked ? 1 : -1;
    const QModelIndex cell = index(FRowOfItem.at(item), 0);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
    emit CheckMarksChanged();
}

int TReportListModel::SetItemsChecked(const QList<int> &items, bool checked)
{
    int first = INT_MAX, last = -1;
    int changed = 0;
    for (int item : items) {
        if (item < 0 || item >= FChecked.size() || FChecked.at(item) == checked)
            continue;
        FChecked[item] = checked;
        FCheckedCount += checked ? 1 : -1;
        ++changed;
        first = qMin(first, FRowOfItem.at(item));
        last = qMax(last, FRowOfItem.at(item));
    }
    if (last < 0)
        return 0;
    emit dataChanged(index(first, 0), index(last, 0), {Qt::CheckStateRole});
    emit CheckMarksChanged();
    return changed;
}

void TReportListModel::SetAllChecked(bool checked)
{
    if (FChecked.isEmpty())
        return;
    FChecked.fill(checked);
    FCheckedCount = checked ? int(FChecked.size()) : 0;
    emit dataChanged(index(0, 0), index(int(FOrder.size()) - 1, 0), {Qt::CheckStateRole});
    emit CheckMarksChanged();
}

QList<int> TReportListModel::CheckedItems() const
{
    QList<int> items;
    items.reserve(FCheckedCount);
    for (int item : FOrder)
        if (FChecked.at(item))
            items.append(item);
    return items;
}

void TReportListModel::SetSortState(int state)
{
    FSort = std::make_unique<TListSortState>(FCaptions, state);
    Resort();
}

int TReportListModel::SortState() const
{
    return FSort ? FSort->State() : 0;
}

void TReportListModel::ColumnClick(int column)
{
    if (!FSort || column < 0 || column >= FCaptions.size())
        return;
    FSort->ColumnClick(column);
    Resort();
    emit headerDataChanged(Qt::Horizontal, 0, int(FCaptions.size()) - 1);
}

void TReportListModel::Resort()
{
    if (!FSort || FSort->State() == 0 || FOrder.size() < 2)
        return;
    Reorder([this] { SortOrder(); });
}

void TReportListModel::Reorder(const std::function<void()> &reorder)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> items;
    items.reserve(before.size());
    for (const QModelIndex &index : before)
        items.append(FOrder.at(index.row()));
    reorder();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(FRowOfItem.at(items.at(i)), before.at(i).column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TReportListModel::SortOrder()
{
    if (FSort) {
        const int column = FSort->SortColumn();
        FSort->SortOrder(FOrder, [this, column](int item) { return ItemSortText(item, column); });
    }
    for (qsizetype row = 0; row < FOrder.size(); ++row)
        FRowOfItem[FOrder.at(row)] = int(row);
}

void TReportListModel::BeginFill()
{
    beginResetModel();
}

void TReportListModel::EndFill(int itemCount)
{
    FOrder.resize(itemCount);
    std::iota(FOrder.begin(), FOrder.end(), 0);
    FRowOfItem.resize(itemCount);
    FChecked.fill(false, itemCount);
    FCheckedCount = 0;
    SortOrder();
    endResetModel();
    emit CheckMarksChanged();
}

void TReportListModel::ItemChanged(int item)
{
    const int row = RowOfItem(item);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, int(FCaptions.size()) - 1));
}

void TReportListModel::UpdateItems(const QStringList &oldKeys, const QStringList &newKeys,
                                   const std::function<void()> &takeNewItems)
{
    // Which new item each old one becomes; a key given twice pairs its occurrences in order.
    QMultiHash<QString, int> unmatched;
    for (int item = int(newKeys.size()) - 1; item >= 0; --item)
        unmatched.insert(newKeys.at(item), item);
    QList<int> newOfOld(oldKeys.size(), -1);
    QList<bool> kept(newKeys.size(), false);
    for (int item = 0; item < oldKeys.size() && item < FChecked.size(); ++item) {
        const auto found = unmatched.find(oldKeys.at(item));
        if (found == unmatched.end())
            continue;
        newOfOld[item] = found.value();
        kept[found.value()] = true;
        unmatched.erase(found);
    }

    // Rows whose item went, from the bottom up, a run of neighbours at a time.
    for (int row = int(FOrder.size()) - 1; row >= 0;) {
        if (newOfOld.value(FOrder.at(row), -1) >= 0) {
            --row;
            continue;
        }
        int first = row;
        while (first > 0 && newOfOld.value(FOrder.at(first - 1), -1) < 0)
            --first;
        beginRemoveRows({}, first, row);
        FOrder.remove(first, row - first + 1);
        endRemoveRows();
        row = first - 1;
    }

    // The rows left show the same things under their new item numbers.
    QList<bool> checked(newKeys.size(), false);
    for (int &item : FOrder) {
        const int now = newOfOld.at(item);
        checked[now] = FChecked.at(item);
        item = now;
    }
    takeNewItems();
    FChecked = checked;
    FRowOfItem.fill(-1, newKeys.size());
    for (qsizetype row = 0; row < FOrder.size(); ++row)
        FRowOfItem[FOrder.at(row)] = int(row);

    // New items at the end, then the order the list sorts by.
    QList<int> added;
    for (int item = 0; item < newKeys.size(); ++item)
        if (!kept.at(item))
            added.append(item);
    if (!added.isEmpty()) {
        const int first = int(FOrder.size());
        beginInsertRows({}, first, first + int(added.size()) - 1);
        for (int item : std::as_const(added)) {
            FRowOfItem[item] = int(FOrder.size());
            FOrder.append(item);
        }
        endInsertRows();
    }
    FCheckedCount = int(std::count(FChecked.begin(), FChecked.end(), true));
    if (!FOrder.isEmpty())
        emit dataChanged(index(0, 0), index(int(FOrder.size()) - 1, int(FCaptions.size()) - 1));
    if (FSort && FSort->State() != 0) {
        Resort();
    } else if (!std::is_sorted(FOrder.begin(), FOrder.end())) {
        // A list that does not sort shows its items in their own order.
        Reorder([this] {
            std::sort(FOrder.begin(), FOrder.end());
            for (qsizetype row = 0; row < FOrder.size(); ++row)
                FRowOfItem[FOrder.at(row)] = int(row);
        });
    }
    emit CheckMarksChanged();
}
