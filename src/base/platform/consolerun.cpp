#include "platform/consolerun.h"

#include <QProcess>

using namespace Qt::Literals::StringLiterals;

int ConsoleRun(const QString &commandLine, const QByteArray &input, QByteArray &output, QByteArray &errors)
{
    const QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        throw ELaunchFailed(u"CreateProcess() failed!"_s);
    QProcess process;
    process.start(words.first(), words.mid(1));
    if (!process.waitForStarted(-1))
        throw ELaunchFailed(u"CreateProcess() failed!"_s);
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    // Read as it arrives so a talkative child never blocks on a full pipe.
    while (!process.waitForFinished(100)) {
        output += process.readAllStandardOutput();
        errors += process.readAllStandardError();
        if (process.state() == QProcess::NotRunning)
            break;
    }
    output += process.readAllStandardOutput();
    errors += process.readAllStandardError();
    if (process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}
