#pragma once

#include "app/progress.h"

/// Progress on the terminal: one line on standard error, redrawn in place when it is a terminal.
class TConsoleProgress : public IProgressRunner
{
protected:
    int Run(const QString &title, int minimum, int maximum, const TProgressStep &step) override;
};

/// The signal (SIGINT, SIGTERM, SIGHUP) that stopped the last progress run, 0 when none did.
int ConsoleStopSignal();
