#include "app/messages.h"
#include "common/format.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstMessages : public QObject
{
    Q_OBJECT
private slots:
    void lookups_data();
    void lookups();
    void formatting();
    void firstEntryWins();
};

void TstMessages::lookups_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("text");
    QTest::addRow("not found message") << QByteArray("MSG_RECG_FAL") << u"iPodが見つかりません"_s;
    QTest::addRow("title") << QByteArray("TITLE") << u"Sorvo"_s;
    QTest::addRow("misspelled key kept") << QByteArray("GBOX_BATETRY") << u"バッテリ状態の変更"_s;
    QTest::addRow("last entry") << QByteArray("MSG_LOAD_CALD") << u"スケジュールを読み込みました"_s;
    QTest::addRow("lower case") << QByteArray("msg_recg_fal") << QString();
    QTest::addRow("empty key") << QByteArray() << QString();
    QTest::addRow("prefix only") << QByteArray("MSG_RECG") << QString();
    QTest::addRow("corrected spelling") << QByteArray("GBOX_BATTERY") << QString();
}

void TstMessages::lookups()
{
    QFETCH(QByteArray, key);
    QFETCH(QString, text);
    const TLagugae messages;
    QCOMPARE(messages.GetText(key), text);
}

void TstMessages::formatting()
{
    const TLagugae messages;
    QCOMPARE(Format(messages.GetText("MSG_LOAD_SONG"), {120}), u"120 曲を読み込みました"_s);
    QCOMPARE(Format(messages.GetText("MSG_RECG_SUC"), {u"/media/IPOD/"_s}),
             u"iPodが[ /media/IPOD/ ]で見つかりました"_s);
    QVERIFY(!messages.GetText("COPYRIGHT").isEmpty());
    QCOMPARE(messages.FItems.Count(), 46);
}

void TstMessages::firstEntryWins()
{
    TLangObjList list;
    list.AddText("K", u"one"_s);
    list.AddText("K", u"two"_s);
    QCOMPARE(list.FindText("K"), u"one"_s);
}

QTEST_GUILESS_MAIN(TstMessages)
#include "tst_messages.moc"
