#include "clirun.h"

#include <QProcess>

TCliRun RunCliProgram(const QString &program, const QStringList &args, const QString &timeZone)
{
    QProcess process;
    if (!timeZone.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TZ"), timeZone);
        process.setProcessEnvironment(env);
    }
    process.start(program, args);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}
