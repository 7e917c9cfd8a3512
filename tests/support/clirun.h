#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// What a run of a command-line program gave.
struct TCliRun
{
    int exitCode = -1;
    QByteArray out;
    QString err; // UTF-8 decoded
};

/// Runs `program` with `args` (two minutes at most), the environment as it is but for TZ when given.
TCliRun RunCliProgram(const QString &program, const QStringList &args, const QString &timeZone = {});
