// The list view every tab uses: the columns fill the width and keep the widths the user gave them.
#include "notes/notelistmodel.h"
#include "widgets/reportlistview.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

class TstReportListView : public QObject
{
    Q_OBJECT
private slots:
    void columnsFillAndKeepWidths();
    void homeAndEndGoToTheEnds_data();
    void homeAndEndGoToTheEnds();
    void hiddenColumnsComeBackFromTheHeaderMenu();
};

void TstReportListView::columnsFillAndKeepWidths()
{
    TNoteListModel model;
    const QList<TNoteRow> rows{{u"a.txt"_s, u"10"_s, {}, u"一"_s}, {u"b.txt"_s, u"20"_s, {}, u"二"_s}};
    model.Fill(rows);
    TReportListView view;
    view.SetReportModel(&model);
    view.SetColumnWidths({120, 60, 80});
    view.resize(600, 200);
    view.show();
    QHeaderView *header = view.horizontalHeader();
    // The last column takes what the others leave.
    QCOMPARE(header->sectionPosition(3) + header->sectionSize(3), view.viewport()->width());

    header->resizeSection(0, 150); // the user drags the first column wider
    model.Fill(rows);              // a reload
    QCOMPARE(view.columnWidth(0), 150);
    QCOMPARE(view.columnWidth(1), 60);
    QCOMPARE(view.columnWidth(2), 80);
    QCOMPARE(header->sectionPosition(3) + header->sectionSize(3), view.viewport()->width());
}

void TstReportListView::homeAndEndGoToTheEnds_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("row");
    QTest::addRow("End from the first row") << 0 << int(Qt::Key_End) << 2;
    QTest::addRow("Home from the last row") << 2 << int(Qt::Key_Home) << 0;
    QTest::addRow("End from the middle") << 1 << int(Qt::Key_End) << 2;
}

void TstReportListView::homeAndEndGoToTheEnds()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, row);
    TNoteListModel model;
    model.Fill({{u"a.txt"_s, u"10"_s, {}, u"一"_s},
                {u"b.txt"_s, u"20"_s, {}, u"二"_s},
                {u"c.txt"_s, u"30"_s, {}, u"三"_s}});
    TReportListView view;
    view.SetReportModel(&model);
    view.resize(600, 200);
    view.show();
    view.setCurrentIndex(model.index(start, 1));
    QTest::keyClick(&view, Qt::Key(key));
    QCOMPARE(view.currentIndex().row(), row);
    QCOMPARE(view.currentIndex().column(), 1); // the cell in the same column
    QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(view.selectionModel()->selectedRows().first().row(), row);
}

void TstReportListView::hiddenColumnsComeBackFromTheHeaderMenu()
{
    TNoteListModel model;
    const QList<TNoteRow> rows{{u"a.txt"_s, u"10"_s, {}, u"一"_s}};
    model.Fill(rows);
    TReportListView view;
    view.SetReportModel(&model);
    const QString second = model.headerData(1, Qt::Horizontal).toString();
    view.SetHiddenColumns({second});
    view.resize(600, 200);
    view.show();
    QVERIFY(view.isColumnHidden(1));
    model.Fill(rows); // a reload keeps it hidden
    QVERIFY(view.isColumnHidden(1));
    QVERIFY(!view.isColumnHidden(0) && !view.isColumnHidden(2));

    // The header's menu lists every column, ticked when shown; choosing the hidden one shows it.
    QStringList listed;
    QTimer::singleShot(0, &view, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *action : menu->actions())
            listed << action->text() + (action->isChecked() ? u"+"_s : u"-"_s);
        menu->actions().at(1)->trigger();
        menu->close();
    });
    emit view.horizontalHeader()->customContextMenuRequested(QPoint(5, 5));
    QCOMPARE(listed.size(), model.columnCount());
    QCOMPARE(listed.at(1), second + u"-"_s);
    QVERIFY(!view.isColumnHidden(1));
    QVERIFY(view.HiddenColumns().isEmpty());
}

QTEST_MAIN(TstReportListView)
#include "tst_reportlistview.moc"
