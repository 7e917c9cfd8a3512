#pragma once

#include "cli/clicommand.h"

#include <QList>

struct TCliCommandInfo
{
    QString FName;
    const char *FSummary; // untranslated, "CliCommand"
    const char *FUsage;   // the arguments, untranslated, "CliCommand"
    bool FJson = false;
    TCliHandler FHandler;

    /// The summary in the user's language.
    QString Summary() const;
    /// "使い方: sorvo-cli NAME ARGUMENTS" in the user's language.
    QString Usage() const;
    /// The name, the summary and the usage, as --help prints them.
    QString HelpText() const;
};

/// Every command registered by the cmd_*.cpp files.
QList<TCliCommandInfo> &CliCommands();
