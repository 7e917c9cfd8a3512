#include "common/listsort.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

int InitialSortState(int sortSlot)
{
    switch (sortSlot) {
    case ssCalendar:
        return 3;
    case ssSongs:
    case ssTodo:
    case ssAddress:
        return 2;
    default:
        return 0;
    }
}

TListSortState::TListSortState(const QStringList &captions, int state)
    : FCaptions(captions), FTags(captions.size(), 0), FState(state)
{
    FCollator.setCaseSensitivity(Qt::CaseSensitive);
}

void TListSortState::RemoveArrow(int column)
{
    if (column < 0 || column >= FCaptions.size() || FTags.at(column) == 0)
        return;
    FCaptions[column].chop(1);
    FTags[column] = 0;
}

void TListSortState::ColumnClick(int column)
{
    const int k = column + 1;
    if (qAbs(FState) == k) {
        FState = -FState;
    } else {
        RemoveArrow(qAbs(FState) - 1);
        FState = k;
    }
    const int shown = qAbs(FState) - 1;
    if (shown < 0 || shown >= FCaptions.size())
        return;
    RemoveArrow(shown);
    FCaptions[shown] += FState < 0 ? u"▼"_s : u"▲"_s;
    FTags[shown] = FState;
}

int TListSortState::Compare(const QStringList &a, const QStringList &b) const
{
    if (FState == 0)
        return 0;
    // |s| = 1 is the caption (index 0); |s| >= 2 the sub-item |s| - 2, which is index |s| - 1.
    const int index = qAbs(FState) - 1;
    const QString left = a.value(index), right = b.value(index);
    const int c = FCollator.compare(left, right);
    const int sign = c < 0 ? -1 : (c > 0 ? 1 : 0);
    return FState < 0 ? -sign : sign;
}

void TListSortState::Sort(QList<QStringList> &rows) const
{
    QList<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    const int column = SortColumn();
    SortOrder(order, [&rows, column](int item) { return rows.at(item).value(column); });
    QList<QStringList> sorted;
    sorted.reserve(rows.size());
    for (int item : std::as_const(order))
        sorted.append(std::move(rows[item]));
    rows = std::move(sorted);
}

void TListSortState::SortOrder(QList<int> &order, const std::function<QString(int item)> &textOf) const
{
    if (FState == 0 || order.size() < 2)
        return;
    // One collation key per item; the comparisons then compare bytes, not texts.
    int maxItem = 0;
    for (int item : std::as_const(order))
        maxItem = qMax(maxItem, item);
    std::vector<std::optional<QCollatorSortKey>> keys(size_t(maxItem) + 1);
    for (int item : std::as_const(order))
        keys[size_t(item)].emplace(FCollator.sortKey(textOf(item)));
    const bool descending = FState < 0;
    std::stable_sort(order.begin(), order.end(), [&keys, descending](int a, int b) {
        const int c = keys[size_t(a)]->compare(*keys[size_t(b)]);
        return descending ? c > 0 : c < 0;
    });
}
