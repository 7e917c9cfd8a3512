#include "platform/eject.h"

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
        error = program + u" を起動できません"_s;
        return false;
    }
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(1000);
        error = program + u" が応答しません"_s;
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        error = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        if (error.isEmpty())
            error = program + u" が失敗しました"_s;
        return false;
    }
    return true;
}
} // namespace

bool EjectPlayer(const QString &root, QString &error)
{
    if (root.isEmpty()) {
        error = u"iPodが認識されていません"_s;
        return false;
    }
#ifdef Q_OS_WIN
    return Run(u"rundll32.exe"_s, {u"shell32.dll,Control_RunDLL"_s, u"hotplug.dll"_s}, error);
#else
    const QStorageInfo storage(root);
    const QString device = QString::fromLocal8Bit(storage.device());
    if (!storage.isValid() || QDir::cleanPath(storage.rootPath()) != QDir::cleanPath(root) ||
        !device.startsWith(u"/dev/"_s)) {
        error = u"このドライブは取り外せません"_s;
        return false;
    }
    return Run(u"udisksctl"_s, {u"unmount"_s, u"--block-device"_s, device}, error) &&
           Run(u"udisksctl"_s, {u"power-off"_s, u"--block-device"_s, device}, error);
#endif
}
