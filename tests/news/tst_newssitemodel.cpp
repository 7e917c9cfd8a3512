#include "app/userdialogs.h"
#include "news/newssitemodel.h"
#include "scripteddialogs.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {
/// Editor double: records what it was opened with and answers with fixed texts.
class TScriptedEditor : public IEditURLDialog
{
public:
    bool Execute(QString &name, QString &address) override
    {
        FShownName = name;
        FShownAddress = address;
        if (!FAccept)
            return false;
        name = FNewName;
        address = FNewAddress;
        return true;
    }
    bool FAccept = true;
    QString FNewName = u"New"_s;
    QString FNewAddress = u"http://new/"_s;
    QString FShownName;
    QString FShownAddress;
};

QList<TSiteRow> TwoRows()
{
    return {TSiteRow{u"A"_s, u"http://a/"_s, u"2007/01/01 10:00"_s, true},
            TSiteRow{u"B"_s, u"http://b/"_s, u"Not Updated"_s, false}};
}
} // namespace

class TstNewsSiteModel : public QObject
{
    Q_OBJECT
private slots:
    void editSite_data();
    void editSite();
    void deleteSite_data();
    void deleteSite();
    void reset_data();
    void reset();
    void settingsRoundTrip();
};

void TstNewsSiteModel::editSite_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("shownAddress");
    QTest::addColumn<int>("result");
    QTest::addColumn<QList<TSiteRow>>("rows");
    const TSiteRow added{u"New"_s, u"http://new/"_s, u"Not Updated"_s, false};
    QList<TSiteRow> editedB = TwoRows();
    editedB[1].FCaption = u"New"_s;
    editedB[1].FAddress = u"http://new/"_s;
    QTest::addRow("add") << 1 << 0 << true << QString() << u"http://"_s << 2 << (TwoRows() << added);
    QTest::addRow("edit selected keeps the update column")
        << 0 << 1 << true << u"B"_s << u"http://b/"_s << 1 << editedB;
    QTest::addRow("edit without selection adds")
        << 0 << -1 << true << QString() << u"http://"_s << 2 << (TwoRows() << added);
    QTest::addRow("dropped file") << 3 << 0 << true << u"不明なニュース"_s << u"/tmp/feed.rdf"_s << 2
                                  << (TwoRows() << added);
    QTest::addRow("cancelled add") << 1 << -1 << false << QString() << u"http://"_s << -1 << TwoRows();
    QTest::addRow("cancelled edit") << 0 << 0 << false << u"A"_s << u"http://a/"_s << -1 << TwoRows();
}

void TstNewsSiteModel::editSite()
{
    QFETCH(int, mode);
    QFETCH(int, selected);
    QFETCH(bool, accept);
    QFETCH(QString, shownName);
    QFETCH(QString, shownAddress);
    QFETCH(int, result);
    QFETCH(QList<TSiteRow>, rows);
    TNewsSiteModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.SetRows(TwoRows());
    TScriptedEditor editor;
    editor.FAccept = accept;
    QCOMPARE(list.EditSite(TNewsSiteModel::TEditMode(mode), u"/tmp/feed.rdf"_s, selected, editor), result);
    QCOMPARE(editor.FShownName, shownName);
    QCOMPARE(editor.FShownAddress, shownAddress);
    QCOMPARE(list.Rows(), rows);
}

void TstNewsSiteModel::deleteSite_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QList<TDialogAnswer>>("answers");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("remaining");
    QTest::addRow("yes") << 1 << QList<TDialogAnswer>{TDialogAnswer::Yes} << u"yesno"_s
                         << u"[ B ]を削除してもよろしいですか？"_s << 1;
    QTest::addRow("no") << 1 << QList<TDialogAnswer>{TDialogAnswer::No} << u"yesno"_s
                        << u"[ B ]を削除してもよろしいですか？"_s << 2;
    QTest::addRow("nothing selected")
        << -1 << QList<TDialogAnswer>{} << u"warning"_s << u"アイテムが選択されていません"_s << 2;
}

void TstNewsSiteModel::deleteSite()
{
    QFETCH(int, selected);
    QFETCH(QList<TDialogAnswer>, answers);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, remaining);
    TNewsSiteModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.SetRows(TwoRows());
    TScriptedDialogs dialogs;
    dialogs.FAnswers = answers;
    QCOMPARE(list.DeleteSite(selected, dialogs), remaining == 1);
    QCOMPARE(dialogs.Texts(kind), QStringList{text});
    QCOMPARE(list.Count(), remaining);
    if (remaining == 1)
        QCOMPARE(list.Row(0).FCaption, u"A"_s);
}

void TstNewsSiteModel::reset_data()
{
    QTest::addColumn<QList<TDialogAnswer>>("answers");
    QTest::addColumn<bool>("reset");
    QTest::addRow("yes") << QList<TDialogAnswer>{TDialogAnswer::Yes} << true;
    QTest::addRow("no") << QList<TDialogAnswer>{TDialogAnswer::No} << false;
    QTest::addRow("closed unanswered") << QList<TDialogAnswer>{TDialogAnswer::Cancel} << false;
}

void TstNewsSiteModel::reset()
{
    QFETCH(QList<TDialogAnswer>, answers);
    QFETCH(bool, reset);
    TNewsSiteModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.SetRows(TwoRows());
    TScriptedDialogs dialogs;
    dialogs.FAnswers = answers;
    QCOMPARE(list.ResetToDefaults(dialogs), reset);
    QCOMPARE(dialogs.Texts(u"yesno"_s),
             QStringList{u"サイト情報をクリアして初期状態にします。よろしいですか？"_s});
    if (!reset) {
        QCOMPARE(list.Rows(), TwoRows());
        return;
    }
    QCOMPARE(list.Count(), 5);
    const QStringList names{u"日経デジタルARENA"_s, u"朝日新聞"_s, u"MYCOM PCWEB"_s, u"日経BP"_s,
                            u"AllAboutJapan"_s};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(list.Row(i).FCaption, names[i]);
        QVERIFY(list.Row(i).FAddress.startsWith(u"http://"_s));
        QCOMPARE(list.Row(i).FLastUpdate, u"Not Updated"_s);
        QVERIFY(!list.Row(i).FTicked);
    }
}

void TstNewsSiteModel::settingsRoundTrip()
{
    TNewsSiteModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.SetRows(TwoRows());
    QStringList lines;
    list.StoreToSettings(lines);
    QCOMPARE(lines, (QStringList{u"A;http://a/;2007/01/01 10:00;1;"_s, u"B;http://b/;Not Updated;0;"_s}));
    // The file keeps its marker; the list shows Japanese.
    QCOMPARE(list.index(0, 2).data().toString(), u"2007/01/01 10:00"_s);
    QCOMPARE(list.index(1, 2).data().toString(), u"未更新"_s);
    TNewsSiteModel back;
    back.LoadFromSettings(lines);
    QCOMPARE(back.Rows(), TwoRows());
    QCOMPARE(back.IndexOfCaption(u"B"_s), 1);
    QCOMPARE(back.IndexOfCaption(u"C"_s), -1);
}

QTEST_GUILESS_MAIN(TstNewsSiteModel)
#include "tst_newssitemodel.moc"
