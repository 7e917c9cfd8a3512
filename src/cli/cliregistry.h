#pragma once

#include "cli/clicommand.h"

#include <QList>

struct TCliCommandInfo
{
    QString name;
    QString summary;
    TCliHandler handler;
};

/// Every command registered by the cmd_*.cpp files.
QList<TCliCommandInfo> &CliCommands();
