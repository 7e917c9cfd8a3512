#pragma once

#include "common/reportlistmodel.h"

#include <QList>

struct TSiteRow;

/// The news tab's list: one row per site, in list order, its check box the site's tick.
class TNewsSiteModel : public TReportListModel
{
    Q_OBJECT
public:
    explicit TNewsSiteModel(QObject *parent = nullptr);
    /// Shows these rows, which must outlive the model's use; their ticks become the check marks and a
    /// change of a mark is written back into them.
    void Fill(QList<TSiteRow> &rows);
    /// The rows' texts changed in place (a download stamped them): repaints every row.
    void RowsChanged();

protected:
    QString ItemText(int item, int column) const override;
    QVariant ItemData(int item, int column, int role) const override;

private:
    void StoreMarks();

    QList<TSiteRow> *FRows = nullptr;
    bool FFilling = false;
};
