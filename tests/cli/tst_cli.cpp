#include <QProcess>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

/// The command line as a user meets it: version, help, wrong input.
class TstCli : public QObject
{
    Q_OBJECT
private slots:
    void startsWithoutDisplay_data();
    void startsWithoutDisplay();
};

void TstCli::startsWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stdoutStart");
    QTest::addRow("version") << QStringList{u"--version"_s} << 0 << u"Sorvo 1.72\n"_s;
    QTest::addRow("help") << QStringList{u"--help"_s} << 0 << u"使い方: sorvo-cli"_s;
    QTest::addRow("unknown command") << QStringList{u"frobnicate"_s} << 2 << QString();
    QTest::addRow("no command") << QStringList() << 2 << QString();
}

void TstCli::startsWithoutDisplay()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, stdoutStart);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    env.remove(u"QT_QPA_PLATFORM"_s);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SORVO_CLI_PATH), args);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(out.startsWith(stdoutStart), qPrintable(out));
    if (exitCode != 0)
        QVERIFY(!process.readAllStandardError().isEmpty());
}

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
