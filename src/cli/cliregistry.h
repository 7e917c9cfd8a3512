#pragma once

#include "cli/clicommand.h"

#include <QList>

struct TCliCommandInfo
{
    QString FName;
    QString FSummary;
    QString FUsage; // "sorvo-cli NAME ARGUMENTS"
    bool FJson = false;
    TCliHandler FHandler;

    /// The name, the summary and the usage, as --help prints them.
    QString HelpText() const;
};

/// Every command registered by the cmd_*.cpp files.
QList<TCliCommandInfo> &CliCommands();
