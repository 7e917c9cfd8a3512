#include "common/reportlistmodel.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {
/// A report list over rows of texts, as the tabs' models are over their data.
class TTextRowsModel : public TReportListModel
{
public:
    TTextRowsModel() : TReportListModel({u"曲名"_s, u"アーティスト"_s, u"アルバム"_s}) {}
    void Fill(const QList<QStringList> &rows)
    {
        BeginFill();
        FRows = rows;
        EndFill(int(rows.size()));
    }
    /// New rows in place of the old ones, matched by their first column.
    void Update(const QList<QStringList> &rows)
    {
        QStringList before, after;
        for (const QStringList &row : std::as_const(FRows))
            before << row.value(0);
        for (const QStringList &row : rows)
            after << row.value(0);
        UpdateItems(before, after, [&] { FRows = rows; });
    }
    void Rename(int item, const QString &title)
    {
        FRows[item][0] = title;
        ItemChanged(item);
    }
    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < rowCount(); ++row)
            texts << index(row, column).data().toString();
        return texts;
    }
    QStringList Captions() const
    {
        QStringList texts;
        for (int c = 0; c < columnCount(); ++c)
            texts << headerData(c, Qt::Horizontal).toString();
        return texts;
    }

protected:
    QString ItemText(int item, int column) const override { return FRows.at(item).value(column); }

private:
    QList<QStringList> FRows;
};

const QList<QStringList> kRows = {
    {u"b"_s, u"Y"_s, u"2"_s}, {u"a"_s, u"Z"_s, u"3"_s}, {u"c"_s, u"X"_s, u"1"_s}};
} // namespace

class TstReportListModel : public QObject
{
    Q_OBJECT
private slots:
    void sorting_data();
    void sorting();
    void checkMarks();
    void selectionFollowsSort();
    void unsortedList();
    void updateKeepsSelectionAndMarks_data();
    void updateKeepsSelectionAndMarks();
};

void TstReportListModel::sorting_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("captions");
    const QString t = u"曲名"_s, a = u"アーティスト"_s, b = u"アルバム"_s;
    QTest::addRow("starts by artist, no arrow")
        << 2 << QList<int>{} << QStringList{u"c"_s, u"b"_s, u"a"_s} << QStringList{t, a, b};
    QTest::addRow("artist header reverses with ▼")
        << 2 << QList<int>{1} << QStringList{u"a"_s, u"b"_s, u"c"_s} << QStringList{t, a + u"▼"_s, b};
    QTest::addRow("then title ascending, artist arrow gone")
        << 2 << QList<int>{1, 0} << QStringList{u"a"_s, u"b"_s, u"c"_s} << QStringList{t + u"▲"_s, a, b};
    QTest::addRow("album descending")
        << 2 << QList<int>{2, 2} << QStringList{u"a"_s, u"b"_s, u"c"_s} << QStringList{t, a, b + u"▼"_s};
    QTest::addRow("no order keeps the fill order")
        << 0 << QList<int>{} << QStringList{u"b"_s, u"a"_s, u"c"_s} << QStringList{t, a, b};
}

void TstReportListModel::sorting()
{
    QFETCH(int, state);
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, captions);
    TTextRowsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetSortState(state);
    model.Fill(kRows);
    for (int column : clicks)
        model.ColumnClick(column);
    QCOMPARE(model.Column(0), titles);
    QCOMPARE(model.Captions(), captions);
    // A reload keeps the order and the arrows.
    model.Fill(kRows);
    QCOMPARE(model.Column(0), titles);
    QCOMPARE(model.Captions(), captions);
    // Rows point at their items in both directions.
    for (int row = 0; row < model.rowCount(); ++row)
        QCOMPARE(model.RowOfItem(model.ItemOfRow(row)), row);
}

void TstReportListModel::checkMarks()
{
    TTextRowsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetCheckable(true);
    model.SetSortState(2);
    model.Fill(kRows);
    QSignalSpy changed(&model, &TReportListModel::CheckMarksChanged);

    // The box is in the first column only, and a click on it reaches the item behind the row.
    QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable);
    QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsUserCheckable));
    QVERIFY(model.setData(model.index(0, 0), Qt::Checked, Qt::CheckStateRole)); // row 0 shows item 2 ("c")
    QVERIFY(model.ItemChecked(2));
    QCOMPARE(model.CheckedCount(), 1);
    QCOMPARE(changed.size(), 1);
    // The same mark again changes nothing and says nothing.
    model.SetItemChecked(2, true);
    QCOMPARE(changed.size(), 1);

    model.SetAllChecked(true);
    QCOMPARE(model.CheckedCount(), 3);
    QCOMPARE(model.CheckedItems(), (QList<int>{2, 0, 1})); // in the order shown
    model.SetItemsChecked({0, 1}, false);
    QCOMPARE(model.CheckedItems(), QList<int>{2});
    QCOMPARE(changed.size(), 3);

    // A reload clears the marks.
    model.Fill(kRows);
    QCOMPARE(model.CheckedCount(), 0);
    QCOMPARE(model.index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
}

void TstReportListModel::selectionFollowsSort()
{
    TTextRowsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetSortState(1);
    model.Fill(kRows);
    const QPersistentModelIndex current = model.index(model.RowOfItem(0), 1); // "b"
    model.ColumnClick(0);                                                     // descending: c b a
    QCOMPARE(current.row(), 1);
    QCOMPARE(current.column(), 1);
    QCOMPARE(current.data(TReportListModel::ItemRole).toInt(), 0);
    // A changed text re-sorts on request.
    model.Rename(0, u"z"_s);
    model.Resort();
    QCOMPARE(model.Column(0).first(), u"z"_s);
    QCOMPARE(current.row(), 0);
}

void TstReportListModel::unsortedList()
{
    TTextRowsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.Fill(kRows);
    QVERIFY(!model.Sortable());
    model.ColumnClick(0);
    QCOMPARE(model.Column(0), (QStringList{u"b"_s, u"a"_s, u"c"_s}));
    QCOMPARE(model.Captions(), (QStringList{u"曲名"_s, u"アーティスト"_s, u"アルバム"_s}));
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable));
    QVERIFY(!model.index(0, 0).data(Qt::CheckStateRole).isValid());
}

void TstReportListModel::updateKeepsSelectionAndMarks_data()
{
    QTest::addColumn<int>("sortState"); // 0: the list does not sort
    QTest::addColumn<QStringList>("shown");
    QTest::addRow("sorted by title") << 1 << QStringList{u"a"_s, u"c"_s, u"d"_s, u"e"_s};
    QTest::addRow("own order") << 0 << QStringList{u"e"_s, u"c"_s, u"a"_s, u"d"_s};
}

void TstReportListModel::updateKeepsSelectionAndMarks()
{
    // A save or a delete reads the list again: rows that stay keep their selection and marks.
    QFETCH(int, sortState);
    QFETCH(QStringList, shown);
    TTextRowsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetCheckable(true);
    if (sortState != 0)
        model.SetSortState(sortState);
    model.Fill(kRows);
    QItemSelectionModel selection(&model);
    const int rowOfC = int(model.Column(0).indexOf(u"c"_s));
    selection.select(model.index(rowOfC, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QPersistentModelIndex current = model.index(rowOfC, 1);
    model.SetItemChecked(model.ItemOfRow(int(model.Column(0).indexOf(u"a"_s))), true);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    // "b" goes, "d" and "e" come, "c" changes its artist.
    model.Update({{u"e"_s, u"V"_s, u"5"_s},
                  {u"c"_s, u"W"_s, u"1"_s},
                  {u"a"_s, u"Z"_s, u"3"_s},
                  {u"d"_s, u"U"_s, u"4"_s}});
    QCOMPARE(resets.size(), 0);
    QCOMPARE(model.Column(0), shown);
    QVERIFY(current.isValid());
    QCOMPARE(current.data().toString(), u"W"_s);
    const QModelIndexList rows = selection.selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().data().toString(), u"c"_s);
    QCOMPARE(model.CheckedCount(), 1);
    QCOMPARE(model.data(model.index(int(shown.indexOf(u"a"_s)), 0), Qt::CheckStateRole).toInt(),
             int(Qt::Checked));
    QCOMPARE(model.data(model.index(int(shown.indexOf(u"d"_s)), 0), Qt::CheckStateRole).toInt(),
             int(Qt::Unchecked));
}

QTEST_GUILESS_MAIN(TstReportListModel)
#include "tst_reportlistmodel.moc"
