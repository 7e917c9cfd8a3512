#include "demoplayer.h"
#include "fixturefiles.h"

#include "app/settings.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

/// The command line as a user meets it: version, help, exit codes of every command, the common
/// options in any place, and one player for every command.
class TstCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startsWithoutDisplay_data();
    void startsWithoutDisplay();
    void exitCodes_data();
    void exitCodes();
    void samePlayerUnderDriveLock_data();
    void samePlayerUnderDriveLock();

private:
    struct TRun
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    TRun Run(const QStringList &args, const QString &drivesEnv = {}) const;
    QStringList Expand(const QStringList &args, const QString &outFolder) const;

    QTemporaryDir FDir;
    QString FPlayer;   // the demo player
    QString FEmpty;    // a folder with no player
    QString FSettings; // a settings file of the test's own
    QString FNote;     // a text file to import
};

void TstCli::initTestCase()
{
    QVERIFY(FDir.isValid());
    FPlayer = FDir.filePath(u"DEMO"_s);
    QCOMPARE(BuildDemoPlayer(FPlayer), QString());
    FEmpty = FDir.filePath(u"EMPTY"_s);
    QVERIFY(QDir().mkpath(FEmpty));
    FSettings = FDir.filePath(u"Velmor.INI"_s);
    FNote = FDir.filePath(u"note.txt"_s);
    QVERIFY(WriteFixtureFile(FNote, "memo\r\n"));
}

TstCli::TRun TstCli::Run(const QStringList &args, const QString &drivesEnv) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    env.remove(u"QT_QPA_PLATFORM"_s);
    env.insert(u"SORVO_DRIVES"_s, drivesEnv);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SORVO_CLI_PATH), args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// "@PLAYER", "@EMPTY", "@NOTE" and "@OUT" in a row stand for the test's folders and files.
QStringList TstCli::Expand(const QStringList &args, const QString &outFolder) const
{
    QStringList out;
    for (QString a : args) {
        a.replace(u"@PLAYER"_s, FPlayer);
        a.replace(u"@EMPTY"_s, FEmpty);
        a.replace(u"@NOTE"_s, FNote);
        a.replace(u"@OUT"_s, outFolder);
        out << a;
    }
    return out;
}

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
    const TRun run = Run(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.out.startsWith(stdoutStart), qPrintable(run.out));
    if (exitCode != 0)
        QVERIFY(!run.err.isEmpty());
}

void TstCli::exitCodes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");

    // Per command: a run that works, a usage error (wrong arguments) and a failure of the work.
    struct TCommandRows
    {
        QString name;
        QStringList works;
        QStringList usageError;
        QStringList fails;
    };
    const QList<TCommandRows> commands = {
        {u"artwork"_s, {u"--drive"_s, u"@PLAYER"_s}, {u"extra"_s}, {u"--drive"_s, u"@EMPTY"_s}},
        {u"contacts"_s, {u"--drive"_s, u"@PLAYER"_s}, {u"extra"_s}, {u"--drive"_s, u"@EMPTY"_s}},
        {u"debug-export"_s,
         {u"--drive"_s, u"@PLAYER"_s, u"--to"_s, u"@OUT"_s},
         {u"--drive"_s, u"@PLAYER"_s},
         {u"--drive"_s, u"@EMPTY"_s, u"--to"_s, u"@OUT"_s}},
        {u"events"_s, {u"--drive"_s, u"@PLAYER"_s}, {u"extra"_s}, {u"--drive"_s, u"@EMPTY"_s}},
        {u"expire"_s,
         {u"todos"_s, u"--drive"_s, u"@PLAYER"_s, u"--before"_s, u"2000-01-01 00:00"_s},
         {},
         {u"events"_s, u"--drive"_s, u"@EMPTY"_s}},
        {u"export-photos"_s,
         {u"--drive"_s, u"@PLAYER"_s, u"--to"_s, u"@OUT"_s, u"--all"_s},
         {u"--drive"_s, u"@PLAYER"_s, u"--to"_s, u"@OUT"_s},
         {u"--drive"_s, u"@EMPTY"_s, u"--to"_s, u"@OUT"_s, u"--all"_s}},
        {u"extract"_s,
         {u"--drive"_s, u"@PLAYER"_s, u"--to"_s, u"@OUT"_s, u"--all"_s},
         {u"--drive"_s, u"@PLAYER"_s, u"--to"_s, u"@OUT"_s, u"--all"_s, u"--search"_s, u"x"_s},
         {u"--drive"_s, u"@EMPTY"_s, u"--to"_s, u"@OUT"_s, u"--all"_s}},
        {u"extract-videos"_s,
         {u"--drive"_s, u"@PLAYER"_s, u"--to"_s, u"@OUT"_s, u"--all"_s},
         {u"--drive"_s, u"@PLAYER"_s, u"--all"_s},
         {u"--drive"_s, u"@EMPTY"_s, u"--to"_s, u"@OUT"_s, u"--all"_s}},
        {u"import"_s, {u"--drive"_s, u"@PLAYER"_s, u"@NOTE"_s}, {}, {u"--drive"_s, u"@EMPTY"_s, u"@NOTE"_s}},
        {u"info"_s, {u"--drive"_s, u"@PLAYER"_s}, {u"foo"_s}, {u"--drive"_s, u"@EMPTY"_s}},
        {u"news"_s, {u"list"_s}, {u"frob"_s}, {u"tick"_s, u"nobody"_s}},
        {u"notes"_s, {u"--drive"_s, u"@PLAYER"_s}, {u"extra"_s}, {u"--drive"_s, u"@EMPTY"_s}},
        {u"photos"_s, {u"--drive"_s, u"@PLAYER"_s}, {u"extra"_s}, {u"--drive"_s, u"@EMPTY"_s}},
        {u"scan"_s,
         {u"--drive"_s, u"@PLAYER"_s, u"--music-folder"_s, u"iPod_Control/Music"_s},
         {u"--drive"_s, u"@PLAYER"_s},
         {u"--drive"_s, u"@EMPTY"_s, u"--music-folder"_s, u"Music"_s}},
        {u"songs"_s, {u"--drive"_s, u"@PLAYER"_s, u"--count"_s}, {u"extra"_s}, {u"--drive"_s, u"@EMPTY"_s}},
        {u"tags"_s, {u"@PLAYER/iPod_Control/Music/F00/D000.mp3"_s}, {}, {u"@EMPTY/none.mp3"_s}},
        {u"thumbnail"_s,
         {u"--drive"_s, u"@PLAYER"_s, u"--image-id"_s, u"100"_s, u"--out"_s, u"@OUT.png"_s},
         {u"--drive"_s, u"@PLAYER"_s, u"--image-id"_s, u"100"_s},
         {u"--drive"_s, u"@PLAYER"_s, u"--image-id"_s, u"99999"_s, u"--out"_s, u"@OUT.png"_s}},
        {u"todos"_s, {u"--drive"_s, u"@PLAYER"_s}, {u"extra"_s}, {u"--drive"_s, u"@EMPTY"_s}},
    };
    for (const TCommandRows &c : commands) {
        const QByteArray name = c.name.toUtf8();
        QTest::addRow("%s --help", name.constData()) << QStringList{c.name, u"--help"_s} << 0;
        QTest::addRow("%s works", name.constData()) << QStringList{c.name} + c.works << 0;
        QTest::addRow("%s unknown option", name.constData())
            << QStringList{c.name} + c.works + QStringList{u"--frob"_s} << 2;
        QTest::addRow("%s wrong arguments", name.constData()) << QStringList{c.name} + c.usageError << 2;
        QTest::addRow("%s fails", name.constData()) << QStringList{c.name} + c.fails << 1;
    }
    // The common options stand before or after the command name.
    QTest::addRow("--json before songs")
        << QStringList{u"--json"_s, u"songs"_s, u"--drive"_s, u"@PLAYER"_s} << 0;
    QTest::addRow("--drive before info")
        << QStringList{u"--drive"_s, u"@PLAYER"_s, u"info"_s, u"--json"_s} << 0;
    QTest::addRow("--json where none is made")
        << QStringList{u"--json"_s, u"expire"_s, u"todos"_s, u"--drive"_s, u"@PLAYER"_s} << 2;
    QTest::addRow("option without its value") << QStringList{u"info"_s, u"--drive"_s} << 2;
}

void TstCli::exitCodes()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    static int rowNumber = 0;
    const QString outFolder = FDir.filePath(u"out%1"_s.arg(++rowNumber));
    QVERIFY(QDir().mkpath(outFolder));
    const QStringList expanded = Expand(args, outFolder);
    const TRun run = Run(QStringList{u"--settings"_s, FSettings} + expanded);
    QVERIFY2(run.exitCode == exitCode, qPrintable(u"exit %1\n%2"_s.arg(run.exitCode).arg(run.err)));
    const QString command =
        args.contains(u"--json"_s) && args.first() == u"--json"_s ? args.at(1) : args.first();
    if (args.contains(u"--help"_s)) {
        // The command's name, summary and usage, as data.
        QVERIFY2(run.out.startsWith(command + u": "_s), qPrintable(run.out));
        QVERIFY2(run.out.contains(u"使い方: sorvo-cli "_s + command), qPrintable(run.out));
    } else if (exitCode == 2) {
        // A usage error: the reason and the usage on standard error, nothing on standard output.
        QVERIFY2(run.err.contains(u"使い方: sorvo-cli "_s), qPrintable(run.err));
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
    } else if (exitCode == 1) {
        QVERIFY(!run.err.trimmed().isEmpty());
        QVERIFY2(!run.err.contains(u"使い方"_s), qPrintable(run.err));
    }
    if (args.contains(u"--json"_s) && exitCode == 0)
        QVERIFY2(!QJsonDocument::fromJson(run.out.toUtf8()).isNull(), qPrintable(run.out));
}

void TstCli::samePlayerUnderDriveLock_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addRow("info") << QStringList{u"info"_s, u"--json"_s};
    QTest::addRow("notes") << QStringList{u"notes"_s, u"--json"_s};
    QTest::addRow("debug-export") << QStringList{u"debug-export"_s, u"--device-report"_s, u"--to"_s};
}

void TstCli::samePlayerUnderDriveLock()
{
    QFETCH(QStringList, args);
    // Two players; the drive lock names the second, which alone carries a note called "B".
    QTemporaryDir dir;
    const QString first = dir.filePath(u"A"_s);
    const QString second = dir.filePath(u"B"_s);
    QCOMPARE(BuildDemoPlayer(first), QString());
    QCOMPARE(BuildDemoPlayer(second), QString());
    QVERIFY(WriteFixtureFile(second + u"/Notes/B.txt"_s, "B\r\n"));
    QVERIFY(WriteFixtureFile(second + u"/iPod_Control/Music/F00/extra.mp3"_s, "ID3"));
    const QString settingsFile = dir.filePath(u"Velmor.INI"_s);
    {
        TKiruIPodINI settings(settingsFile);
        settings.FRecognize_MakeFolder = true;
        settings.FDriveLockPath = second;
        settings.Save();
    }
    if (args.last() == u"--to"_s)
        args << dir.filePath(u"report"_s);
    // No drive named: the lock decides, for every command alike.
    const TRun locked = Run(QStringList{u"--settings"_s, settingsFile} + args);
    QVERIFY2(locked.exitCode == 0, qPrintable(locked.err));
    if (args.first() == u"info"_s) {
        const QJsonObject info = QJsonDocument::fromJson(locked.out.toUtf8()).object();
        QCOMPARE(info[u"root"_s].toString(), second + u'/');
        QCOMPARE(info[u"song_count"_s].toInt(), 31);
    } else if (args.first() == u"notes"_s) {
        QVERIFY2(locked.out.contains(u"\"B.txt\""_s), qPrintable(locked.out));
    } else {
        const QByteArray report = ReadFixtureFile(dir.filePath(u"report/DeviceReport.txt"_s));
        QVERIFY2(report.contains(QByteArray("Root=" + second.toUtf8() + "/")), report.constData());
    }
}

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
