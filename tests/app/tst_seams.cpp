#include "app/commandline.h"
#include "app/userdialogs.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstSeams : public QObject
{
    Q_OBJECT
private slots:
    void runWithProgressBelowOne();
    void runWithProgressCancel();
    void scriptedDialogs();
    void filterToQt();
    void commandLine_data();
    void commandLine();
};

void TstSeams::runWithProgressBelowOne()
{
    TRecordingProgress progress;
    bool ran = false;
    QCOMPARE(progress.RunWithProgress(u"t"_s, 0, 0, [&](TProgressContext &) { ran = true; }), -1);
    QCOMPARE(progress.RunWithProgress(u"t"_s, 0, -5, [&](TProgressContext &) { ran = true; }), -1);
    QVERIFY(!ran);
    QVERIFY(progress.FRuns.isEmpty());
}

void TstSeams::runWithProgressCancel()
{
    TRecordingProgress progress;
    progress.FCancelAtCheck = 3;
    const int reached = progress.RunWithProgress(u"コピー"_s, 0, 100, [](TProgressContext &context) {
        for (int i = 1; i <= 100; ++i) {
            context.SetPosition(i);
            context.SetLabel(QString::number(i));
            if (context.Cancelled())
                return;
        }
    });
    QCOMPARE(reached, 3);
    QCOMPARE(progress.FRuns.size(), 1);
    QCOMPARE(progress.FRuns[0].title, u"コピー"_s);
    QCOMPARE(progress.FRuns[0].positions, (QList<int>{1, 2, 3}));
    QCOMPARE(progress.FRuns[0].result, 3);
}

void TstSeams::scriptedDialogs()
{
    TScriptedDialogs dialogs;
    dialogs.FAnswers = {TDialogAnswer::Yes};
    dialogs.FFileAnswers = {{u"/tmp/a.txt"_s}};
    QCOMPARE(dialogs.AskYesNo(u"消しますか？"_s), TDialogAnswer::Yes);
    QCOMPARE(dialogs.AskYesNoCancel(u"保存しますか？"_s), TDialogAnswer::Cancel); // script exhausted
    QCOMPARE(dialogs.OpenFileName(u"開く"_s, u"テキスト(*.txt)|*.txt"_s), u"/tmp/a.txt"_s);
    QString folder = u"/x"_s;
    QVERIFY(!dialogs.BrowseForFolder(folder));
    QCOMPARE(folder, u"/x"_s);
    dialogs.Warning(u"注意"_s);
    QCOMPARE(dialogs.Texts(u"yesno"_s), QStringList{u"消しますか？"_s});
    QCOMPARE(dialogs.Texts(u"warning"_s), QStringList{u"注意"_s});
    QCOMPARE(dialogs.FCalls.size(), 5);
}

void TstSeams::filterToQt()
{
    QCOMPARE(FilterToQt(u"ログテキストファイル(*.LOG)|*.LOG"_s), u"ログテキストファイル(*.LOG)"_s);
    QCOMPARE(FilterToQt(u"テキスト|*.txt;*.text|すべて|*.*"_s), u"テキスト (*.txt *.text);;すべて (*.*)"_s);
}

void TstSeams::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("debug");
    QTest::addColumn<QStringList>("drives");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QStringList>("positional");
    QTest::addRow("debug any case") << QStringList{u"-DEBUG"_s} << true << QStringList() << QString()
                                    << QStringList();
    QTest::addRow("drives and command")
        << QStringList{u"songs"_s, u"--drive"_s, u"/a"_s, u"--drive=/b"_s, u"--json"_s} << false
        << QStringList{u"/a"_s, u"/b"_s} << QString() << QStringList{u"songs"_s};
    QTest::addRow("settings") << QStringList{u"--settings"_s, u"/s.ini"_s, u"info"_s} << false
                              << QStringList() << u"/s.ini"_s << QStringList{u"info"_s};
}

void TstSeams::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(bool, debug);
    QFETCH(QStringList, drives);
    QFETCH(QString, settings);
    QFETCH(QStringList, positional);
    const TCommandLine line = TCommandLine::Parse(QStringList{u"sorvo"_s} + args);
    QCOMPARE(line.debug, debug);
    QCOMPARE(line.drives, drives);
    QCOMPARE(line.settingsFile, settings);
    QCOMPARE(line.positional, positional);
    QCOMPARE(line.json, args.contains(u"--json"_s)); // a common option, wherever it stands
    QVERIFY(line.error.isEmpty());
    QVERIFY(!TCommandLine::Parse({u"sorvo"_s, u"--drive"_s}).error.isEmpty());
}

QTEST_GUILESS_MAIN(TstSeams)
#include "tst_seams.moc"
