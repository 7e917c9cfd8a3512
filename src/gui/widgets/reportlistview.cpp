#include "widgets/reportlistview.h"

#include "common/reportlistmodel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>

using namespace Qt::Literals::StringLiterals;

QColor TStripedRowDelegate::RowColor(int row)
{
    return row % 2 == 0 ? QColor(Qt::white) : QColor(237, 243, 254);
}

void TStripedRowDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->backgroundBrush = RowColor(index.row());
}

TReportListView::TReportListView(QWidget *parent) : QTableView(parent)
{
    setItemDelegate(new TStripedRowDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setSortingEnabled(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(horizontalHeader(), &QWidget::customContextMenuRequested, this, &TReportListView::ShowHeaderMenu);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (FReloading)
            return;
        if (FColumnWidths.size() <= column)
            FColumnWidths.resize(column + 1, -1);
        FColumnWidths[column] = width;
    });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (FModel && FModel->Sortable())
            FModel->ColumnClick(column);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (FModel && index.isValid())
            emit ItemActivated(FModel->ItemOfRow(index.row()));
    });
}

void TReportListView::SetReportModel(TReportListModel *model)
{
    FModel = model;
    setModel(model);
    // A reset gives the header its default widths; the user's widths come back after it.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { FReloading = true; });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        SetColumnWidths(FColumnWidths);
        ApplyHiddenColumns();
        FReloading = false;
    });
    ApplyHiddenColumns();
}

void TReportListView::SetHiddenColumns(const QStringList &captions)
{
    FHiddenColumns = captions;
    ApplyHiddenColumns();
}

void TReportListView::ApplyHiddenColumns()
{
    if (!model())
        return;
    for (int column = 0; column < model()->columnCount(); ++column)
        setColumnHidden(column,
                        FHiddenColumns.contains(model()->headerData(column, Qt::Horizontal).toString()));
}

void TReportListView::ShowHeaderMenu(const QPoint &position)
{
    if (!model())
        return;
    QMenu menu(this);
    menu.setObjectName(u"HeaderMenu"_s);
    for (int column = 0; column < model()->columnCount(); ++column) {
        const QString caption = model()->headerData(column, Qt::Horizontal).toString();
        QAction *action = menu.addAction(caption);
        action->setCheckable(true);
        action->setChecked(!isColumnHidden(column));
        // The first column always stays: a list without columns could not bring its menu back.
        action->setEnabled(column > 0);
        connect(action, &QAction::toggled, this, [this, caption](bool shown) {
            if (shown)
                FHiddenColumns.removeAll(caption);
            else if (!FHiddenColumns.contains(caption))
                FHiddenColumns.append(caption);
            ApplyHiddenColumns();
        });
    }
    menu.exec(horizontalHeader()->viewport()->mapToGlobal(position));
}

void TReportListView::SetColumnWidths(const QList<int> &widths)
{
    const QList<int> kept = widths; // setColumnWidth reports back into FColumnWidths
    const QScopedValueRollback<bool> quiet(FReloading, true);
    for (qsizetype i = 0; i < kept.size(); ++i)
        if (kept.at(i) > 0)
            setColumnWidth(int(i), kept.at(i));
    FColumnWidths = kept;
}

int TReportListView::CurrentItem() const
{
    return FModel && currentIndex().isValid() ? FModel->ItemOfRow(currentIndex().row()) : -1;
}

QList<int> TReportListView::SelectedItems() const
{
    QList<int> items;
    if (!FModel || !selectionModel())
        return items;
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    for (const QModelIndex &row : std::as_const(rows))
        items.append(FModel->ItemOfRow(row.row()));
    return items;
}

void TReportListView::SelectItem(int item)
{
    if (!FModel)
        return;
    const int row = FModel->RowOfItem(item);
    if (row < 0)
        return;
    const QModelIndex index = FModel->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TReportListView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier && FModel && currentIndex().isValid()) {
        emit ItemActivated(FModel->ItemOfRow(currentIndex().row()));
        return;
    }
    // Space ticks the current row's box whichever cell of the row has the focus.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && FModel &&
        FModel->Checkable() && currentIndex().isValid()) {
        const int item = FModel->ItemOfRow(currentIndex().row());
        FModel->SetItemChecked(item, !FModel->ItemChecked(item));
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex TReportListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // In a list of rows Home and End go to the first and the last row, not along the row's cells.
    if ((cursorAction != MoveHome && cursorAction != MoveEnd) || selectionBehavior() != SelectRows)
        return QTableView::moveCursor(cursorAction, modifiers);
    const QModelIndex current = currentIndex();
    const QModelIndex target = QTableView::moveCursor(cursorAction, modifiers | Qt::ControlModifier);
    return current.isValid() && target.isValid() ? target.siblingAtColumn(current.column()) : target;
}
