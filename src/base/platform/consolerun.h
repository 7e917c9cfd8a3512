#pragma once

#include "common/sorvoerror.h"

#include <QByteArray>
#include <QString>

/// A console program could not be started.
class ELaunchFailed : public ESorvoError
{
public:
    using ESorvoError::ESorvoError;
};

/// Runs a console program with its standard streams redirected: writes the input and closes it, collects
/// output and errors completely. Returns the exit code, or -1 when the program did not exit normally.
/// Raises ELaunchFailed ("CreateProcess() failed!") when it cannot be started.
int ConsoleRun(const QString &commandLine, const QByteArray &input, QByteArray &output, QByteArray &errors);
