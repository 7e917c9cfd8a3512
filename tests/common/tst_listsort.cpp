#include "common/listsort.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstListSort : public QObject
{
    Q_OBJECT
private slots:
    void initialStates_data();
    void initialStates();
    void clicks_data();
    void clicks();
    void order_data();
    void order();
};

void TstListSort::initialStates_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("state");
    QTest::addRow("calendar") << int(ssCalendar) << 3;
    QTest::addRow("songs") << int(ssSongs) << 2;
    QTest::addRow("todo") << int(ssTodo) << 2;
    QTest::addRow("address") << int(ssAddress) << 2;
    QTest::addRow("no slot") << 0 << 0;
}

void TstListSort::initialStates()
{
    QFETCH(int, slot);
    QFETCH(int, state);
    QCOMPARE(InitialSortState(slot), state);
}

void TstListSort::clicks_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("captions");
    const QString t = u"曲名"_s, a = u"アーティスト"_s, b = u"アルバム"_s;
    QTest::addRow("no click, no arrow") << QList<int>{} << 2 << QStringList{t, a, b};
    QTest::addRow("sorted column reverses") << QList<int>{1} << -2 << QStringList{t, a + u"▼"_s, b};
    QTest::addRow("another column ascending, old arrow gone")
        << QList<int>{1, 0} << 1 << QStringList{t + u"▲"_s, a, b};
    QTest::addRow("twice back to ascending") << QList<int>{1, 1} << 2 << QStringList{t, a + u"▲"_s, b};
    QTest::addRow("third column") << QList<int>{2, 2, 0} << 1 << QStringList{t + u"▲"_s, a, b};
}

void TstListSort::clicks()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, state);
    QFETCH(QStringList, captions);
    TListSortState sort({u"曲名"_s, u"アーティスト"_s, u"アルバム"_s}, InitialSortState(ssSongs));
    for (int c : clicks)
        sort.ColumnClick(c);
    QCOMPARE(sort.State(), state);
    QCOMPARE(sort.Captions(), captions);
}

void TstListSort::order_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("firstColumn"); // caption of the rows after sorting
    QTest::addRow("no order keeps rows") << 0 << QStringList{u"b"_s, u"a"_s, u"c"_s};
    QTest::addRow("caption ascending") << 1 << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::addRow("caption descending") << -1 << QStringList{u"c"_s, u"b"_s, u"a"_s};
    QTest::addRow("first sub-item ascending") << 2 << QStringList{u"c"_s, u"a"_s, u"b"_s};
    QTest::addRow("second sub-item descending") << -3 << QStringList{u"a"_s, u"c"_s, u"b"_s};
}

void TstListSort::order()
{
    QFETCH(int, state);
    QFETCH(QStringList, firstColumn);
    QList<QStringList> rows{{u"b"_s, u"3"_s, u"x"_s}, {u"a"_s, u"2"_s, u"z"_s}, {u"c"_s, u"1"_s, u"y"_s}};
    TListSortState sort({u"A"_s, u"B"_s, u"C"_s}, state);
    sort.Sort(rows);
    QStringList got;
    for (const QStringList &r : rows)
        got.append(r.first());
    QCOMPARE(got, firstColumn);
}

QTEST_GUILESS_MAIN(TstListSort)
#include "tst_listsort.moc"
