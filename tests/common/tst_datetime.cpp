#include "common/sorvoerror.h"
#include "common/datetime.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstDateTime : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void macTime();
    void parseVCal_data();
    void parseVCal();
    void parseVCalErrors_data();
    void parseVCalErrors();
    void parseVCalEmptyIsNow();
};

void TstDateTime::roundTrip_data()
{
    QTest::addColumn<QDateTime>("value");
    QTest::addColumn<double>("days");
    QTest::addRow("epoch") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
    QTest::addRow("half past ten") << QDateTime(QDate(2005, 3, 15), QTime(10, 30)) << 38426.4375;
    QTest::addRow("before the epoch") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25;
}

void TstDateTime::roundTrip()
{
    QFETCH(QDateTime, value);
    QFETCH(double, days);
    QCOMPARE(QDateTimeToDateTime(value), days);
    QCOMPARE(DateTimeToQDateTime(days), value);
    // 10:30:00 stored as a double must not come back as 10:29:59.999.
    QCOMPARE(DateTimeToQDateTime(QDateTimeToDateTime(value)).time(), value.time());
}

void TstDateTime::macTime()
{
    QCOMPARE(MacTimeToDateTime(0), 1462.0);
    // 2005-03-15 10:30:00 as the song database stores it: no zone correction.
    const quint32 seconds = quint32((38426.4375 - 1462.0) * 86400.0);
    QCOMPARE(DateTimeToQDateTime(MacTimeToDateTime(seconds)), QDateTime(QDate(2005, 3, 15), QTime(10, 30)));
    QCOMPARE(DateTimeToQDateTime(MacTimeToDateTime(0xFFFFFFFFu)).date(), QDate(2040, 2, 6));
}

void TstDateTime::parseVCal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");
    QTest::addRow("full") << u"20050315T103000"_s << QDateTime(QDate(2005, 3, 15), QTime(10, 30));
    QTest::addRow("seconds ignored") << u"20050315T103059"_s << QDateTime(QDate(2005, 3, 15), QTime(10, 30));
    QTest::addRow("zone suffix ignored")
        << u"20051231T235900Z"_s << QDateTime(QDate(2005, 12, 31), QTime(23, 59));
}

void TstDateTime::parseVCal()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    QCOMPARE(DateTimeToQDateTime(ParseVCalDateTime(text)), expected);
}

void TstDateTime::parseVCalErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("no T") << u"20050315"_s;
    QTest::addRow("month 13") << u"20051315T1030"_s;
    QTest::addRow("short time") << u"20050315T10"_s;
    QTest::addRow("hour 24") << u"20050315T2400"_s;
    QTest::addRow("letters") << u"2005XX15T1030"_s;
}

void TstDateTime::parseVCalErrors()
{
    QFETCH(QString, text);
    try {
        ParseVCalDateTime(text);
        QFAIL("no error raised");
    } catch (const EConvertError &e) {
        QCOMPARE(e.Message(), u"'"_s + text + u"' は正しい日付/時刻ではありません"_s);
    }
}

void TstDateTime::parseVCalEmptyIsNow()
{
    const double before = NowDateTime();
    const double parsed = ParseVCalDateTime(QString());
    QVERIFY(parsed >= before && parsed - before < 1.0 / 24);
}

QTEST_GUILESS_MAIN(TstDateTime)
#include "tst_datetime.moc"
