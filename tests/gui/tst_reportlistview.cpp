// The list view every tab uses: the columns fill the width and keep the widths the user gave them.
#include "notes/notelistmodel.h"
#include "widgets/reportlistview.h"

#include <QHeaderView>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstReportListView : public QObject
{
    Q_OBJECT
private slots:
    void columnsFillAndKeepWidths();
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

QTEST_MAIN(TstReportListView)
#include "tst_reportlistview.moc"
