#include "platform/eject.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStorageInfo>

using namespace Qt::Literals::StringLiterals;

namespace {
bool Run(const QString &program, const QStringList &arguments, QString &error)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(5000)) {
        //: %1 is the name of a system program
        error = QCoreApplication::translate("Eject", "%1 を起動できません").arg(program);
        return false;
    }
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(1000);
        error = QCoreApplication::translate("Eject", "%1 が応答しません").arg(program);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        error = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        if (error.isEmpty())
            error = QCoreApplication::translate("Eject", "%1 が失敗しました").arg(program);
        return false;
    }
    return true;
}
} // namespace

bool EjectPlayer(const QString &root, QString &error)
{
    if (root.isEmpty()) {
        error = QCoreApplication::translate("Eject", "iPodが認識されていません");
        return false;
    }
#ifdef Q_OS_WIN
    return Run(u"rundll32.exe"_s, {u"shell32.dll,Control_RunDLL"_s, u"hotplug.dll"_s}, error);
#else
    const QStorageInfo storage(root);
    const QString device = QString::fromLocal8Bit(storage.device());
    if (!storage.isValid() || QDir::cleanPath(storage.rootPath()) != QDir::cleanPath(root) ||
        !device.startsWith(u"/dev/"_s)) {
        error = QCoreApplication::translate("Eject", "このドライブは取り外せません");
        return false;
    }
    return Run(u"udisksctl"_s, {u"unmount"_s, u"--block-device"_s, device}, error) &&
           Run(u"udisksctl"_s, {u"power-off"_s, u"--block-device"_s, device}, error);
#endif
}
