#include "cli/consoleservices.h"

#include "cli/clicommand.h"

void TConsoleMainServices::SetStatusText(const QString &text)
{
    CliErr(text + u'\n');
}

void TConsoleMainServices::ShowProgressText(int position, int total, const QString &message)
{
    // The terminal progress bar shows the work; the status line's counter would repeat it.
    Q_UNUSED(position);
    Q_UNUSED(total);
    Q_UNUSED(message);
}

void TConsoleMainServices::ShowTransferLog(const TCopyReport &report)
{
    if (FOnTransferLog)
        FOnTransferLog(report);
}
