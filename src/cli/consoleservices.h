#pragma once

#include "app/mainservices.h"

#include <functional>

/// The main window's services on the command line: status lines go to standard error, tabs are
/// not there to reload, the transfer log is printed when the command asks for it.
class TConsoleMainServices : public IMainServices
{
public:
    void SetStatusText(const QString &text) override;
    void ShowProgressText(int position, int total, const QString &message) override;
    void LoadTabData(TTabCode) override {}
    void ShowTransferLog(const TCopyReport &report) override;

    /// Prints the transfer log; may be empty.
    std::function<void(const TCopyReport &report)> FOnTransferLog;
};
