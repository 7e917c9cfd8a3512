#include "app/settings.h"
#include "platform/mountwatcher.h"
#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {
QString ProgramPath()
{
    return QFileInfo(QStringLiteral(SORVO_CLI_PATH)).dir().absoluteFilePath(u"../gui/sorvo"_s);
}
} // namespace

class TstProgram : public QObject
{
    Q_OBJECT
private slots:
    void lockIsExclusive();
    void staleLockIsTakenOver();
    void secondStartEnds();
    void mountTableChanges();
};

void TstProgram::lockIsExclusive()
{
    QTemporaryDir dir;
    TSingleInstance first(dir.path());
    TSingleInstance second(dir.path());
    QCOMPARE(QFileInfo(first.LockFileName()).fileName(), u"SORVOMUTEXDATA"_s);
    QVERIFY(first.TryAcquire());
    QVERIFY(!second.TryAcquire());
    first.Release();
    QVERIFY(second.TryAcquire());
}

void TstProgram::staleLockIsTakenOver()
{
    // A copy that crashed left its lock behind: its process is gone, so the lock is free.
    QTemporaryDir dir;
    QProcess gone;
    gone.start(u"/bin/true"_s);
    QVERIFY(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
    QFile lock(dir.filePath(u"SORVOMUTEXDATA"_s));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + '\n' + "sorvo\n" + QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();
    TSingleInstance instance(dir.path());
    QVERIFY(instance.TryAcquire());
}

void TstProgram::secondStartEnds()
{
    if (!QFileInfo(ProgramPath()).isExecutable())
        QSKIP("the sorvo program is not built");
    QTemporaryDir dir;
    const QString runtime = dir.filePath(u"run"_s);
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString settings = dir.filePath(u"Velmor.INI"_s);
    {
        TKiruIPodINI ini(settings);
        ini.FCopyright = true;
        ini.Save();
    }
    QVERIFY(QDir().mkpath(dir.filePath(u"empty"_s)));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    const QStringList arguments = {u"--settings"_s, settings, u"--drive"_s, dir.filePath(u"empty"_s)};

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(ProgramPath(), arguments);
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(runtime + u"/SORVOMUTEXDATA"_s), 20000);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(ProgramPath(), arguments + QStringList{u"--yes"_s});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(QString::fromUtf8(second.readAllStandardError()).contains(u"既にSorvoが起動しています"_s));

    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

void TstProgram::mountTableChanges()
{
    TMountWatcher watcher;
    if (!watcher.Watching())
        QSKIP("no mount table to watch");
    QSignalSpy spy(&watcher, &TMountWatcher::MountsChanged);
    QTemporaryDir dir;
    // Mounting needs the right to; elsewhere the change is injected (NotifyChange) by the window tests.
    if (QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"none"_s, dir.path()}) != 0)
        QSKIP("cannot mount here");
    QTRY_VERIFY(spy.count() >= 1);
    const int afterMount = int(spy.count());
    QCOMPARE(QProcess::execute(u"umount"_s, {dir.path()}), 0);
    QTRY_VERIFY(spy.count() > afterMount);
}

QTEST_GUILESS_MAIN(TstProgram)
#include "tst_program.moc"
