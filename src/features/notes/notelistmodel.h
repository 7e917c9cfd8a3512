#pragma once

#include "common/reportlistmodel.h"
#include "notes/notelist.h"

#include <QList>

/// The notes list: one row per note file in listing order; the list does not sort.
class TNoteListModel : public TReportListModel
{
    Q_OBJECT
public:
    enum TColumn : int
    {
        colFileName,
        colSize,
        colFolder,
        colHeadline,
        colCount
    };

    explicit TNoteListModel(QObject *parent = nullptr);

    /// The rows in listing order; a reload keeps the rows that stay (their selection and place).
    void Fill(const QList<TNoteRow> &rows);
    void Clear() { Fill({}); }
    const QList<TNoteRow> &NoteRows() const { return FRows; }
    /// The rows of the given items, in the given order.
    QList<TNoteRow> RowsOfItems(const QList<int> &items) const;

protected:
    QString ItemText(int item, int column) const override;

private:
    QList<TNoteRow> FRows;
};
