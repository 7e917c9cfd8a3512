#include "photos/photolistbox.h"

#include "photos/photolistmodels.h"

#include <QKeyEvent>
#include <QPainter>

void TPhotoCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    const QRect rect = option.rect;
    painter->save();
    painter->fillRect(rect, Qt::white);
    QSize cell = index.data(Qt::SizeHintRole).toSize();
    cell.setHeight(cell.height() - 2);
    const int dx = (rect.width() - cell.width()) / 2;
    const int dy = (rect.height() - cell.height()) / 2;
    const QImage thumb = index.data(TPhotoGridModel::ThumbnailRole).value<QImage>();
    if (!thumb.isNull())
        painter->drawImage(QPoint(rect.left() + dx, rect.top() + dy), thumb,
                           QRect(0, 0, cell.width(), cell.height()));
    if (option.state & QStyle::State_Selected) {
        // A 2-pixel pen drawn on the rectangle's inner pixels, so the frame stays inside the cell.
        painter->setPen(QPen(FrameColor(), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(option.widget);
        focus.rect = rect;
        focus.backgroundColor = Qt::white;
        const QStyle *style = option.widget ? option.widget->style() : nullptr;
        if (style)
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
    painter->restore();
}

QSize TPhotoCellDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const
{
    return index.data(Qt::SizeHintRole).toSize();
}

TPhotoListBox::TPhotoListBox(QWidget *parent) : QListView(parent)
{
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setSpacing(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setItemDelegate(new TPhotoCellDelegate(this));
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    setPalette(pal);
    SetCellSize(FCellSize);
}

void TPhotoListBox::SetCellSize(QSize cell)
{
    FCellSize = cell;
    setGridSize(QSize(cell.width(), cell.height() + 2));
}

int TPhotoListBox::ColumnCount() const
{
    return qMax(1, viewport()->width() / qMax(1, FCellSize.width()));
}

void TPhotoListBox::SetCurrentRow(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount())
        return;
    const QModelIndex index = model()->index(row, 0);
    setCurrentIndex(index);
    scrollTo(index);
}

int TPhotoListBox::CurrentRow() const
{
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TPhotoListBox::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        emit RowActivated(CurrentRow());
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void TPhotoListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        emit RowActivated(CurrentRow());
}
