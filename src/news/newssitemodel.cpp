#include "news/newssitemodel.h"

#include "app/settings.h"

using namespace Qt::Literals::StringLiterals;

TNewsSiteModel::TNewsSiteModel(QObject *parent)
    : TReportListModel({u"サイト名"_s, u"URL"_s, u"最終更新"_s}, parent)
{
    SetCheckable(true);
    connect(this, &TReportListModel::CheckMarksChanged, this, &TNewsSiteModel::StoreMarks);
}

void TNewsSiteModel::Fill(QList<TSiteRow> &rows)
{
    FFilling = true;
    BeginFill();
    FRows = &rows;
    EndFill(int(rows.size()));
    QList<int> ticked;
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (rows[i].FTicked)
            ticked.append(int(i));
    SetItemsChecked(ticked, true);
    FFilling = false;
}

void TNewsSiteModel::RowsChanged()
{
    if (!FRows || FRows->size() != rowCount()) {
        if (FRows)
            Fill(*FRows);
        return;
    }
    for (int item = 0; item < rowCount(); ++item)
        ItemChanged(item);
}

void TNewsSiteModel::StoreMarks()
{
    if (FFilling || !FRows)
        return;
    for (qsizetype i = 0; i < FRows->size() && i < rowCount(); ++i)
        (*FRows)[i].FTicked = ItemChecked(int(i));
}

QString TNewsSiteModel::ItemText(int item, int column) const
{
    // The rows may have been emptied (a reset of the window) before the model is refilled.
    if (!FRows || item < 0 || item >= FRows->size())
        return {};
    const TSiteRow &row = FRows->at(item);
    switch (column) {
    case 0:
        return row.FCaption;
    case 1:
        return row.FAddress;
    default:
        return row.FLastUpdate;
    }
}

QVariant TNewsSiteModel::ItemData(int item, int column, int role) const
{
    if (role == Qt::ToolTipRole && column == 1)
        return ItemText(item, column);
    return TReportListModel::ItemData(item, column, role);
}
