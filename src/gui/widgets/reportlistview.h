#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

class TReportListModel;

/// Shades a report list's rows: white for even positions, light blue for odd ones.
class TStripedRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static QColor RowColor(int row);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

/// The view of a report list: whole-row selection, fixed row heights, striped rows, and a header
/// whose clicks sort the model (when it has a sort state) with the arrow on the sorted caption. The last
/// column fills the width; the others keep their widths across reloads.
class TReportListView : public QTableView
{
    Q_OBJECT
public:
    explicit TReportListView(QWidget *parent = nullptr);

    /// Sets the model; header clicks go to its column sorting when it is sortable.
    void SetReportModel(TReportListModel *model);
    TReportListModel *ReportModel() const { return FModel; }
    /// Column widths in pixels, in column order.
    void SetColumnWidths(const QList<int> &widths);
    /// Columns hidden until the user shows them from the header's menu, named by their captions (so
    /// that they stay hidden in another model with the same columns). The menu lists every column.
    void SetHiddenColumns(const QStringList &captions);
    const QStringList &HiddenColumns() const { return FHiddenColumns; }
    /// The item of the current row; -1 for none.
    int CurrentItem() const;
    /// The items of the selected rows, in the order shown.
    QList<int> SelectedItems() const;
    /// Makes the item's row current and selected, and scrolls to it.
    void SelectItem(int item);

signals:
    /// Enter or a double click on a row.
    void ItemActivated(int item);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    TReportListModel *FModel = nullptr;
    void ApplyHiddenColumns();
    void ShowHeaderMenu(const QPoint &position);
    QList<int> FColumnWidths; // the widths set or dragged, put back after a reload
    QStringList FHiddenColumns;
    bool FReloading = false;
};
