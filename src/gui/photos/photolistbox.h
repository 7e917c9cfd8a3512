#pragma once

#include <QListView>
#include <QStyledItemDelegate>

/// Draws one cell of the photo grid: white, the thumbnail's top-left cell-sized block centred, a navy
/// two-pixel frame when selected and the focus rectangle.
class TPhotoCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static QColor FrameColor() { return QColor(0, 0, 128); }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

/// The photo tab's thumbnail grid: fixed cells laid out in as many columns as the width holds.
class TPhotoListBox : public QListView
{
    Q_OBJECT
public:
    explicit TPhotoListBox(QWidget *parent = nullptr);

    /// Cells of this size (the item is two pixels taller than the thumbnail).
    void SetCellSize(QSize cell);
    QSize CellSize() const { return FCellSize; }
    /// Columns the current width holds.
    int ColumnCount() const;
    void SetCurrentRow(int row);
    /// The selected row; -1 for none.
    int CurrentRow() const;

signals:
    /// Enter or a double click on a cell.
    void RowActivated(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QSize FCellSize{88, 133};
};
