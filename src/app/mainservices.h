#pragma once

#include "app/tabcode.h"

#include <QString>

/// What core commands ask of the main window: the status line, tab reloads, the transfer log.
class IMainServices
{
public:
    virtual ~IMainServices() = default;
    /// Status panel 1.
    virtual void SetStatusText(const QString &text) = 0;
    /// "%d %% - %s" progress in the status line.
    virtual void ShowProgressText(int position, int total, const QString &message) = 0;
    /// Reloads a tab's list.
    virtual void LoadTabData(TTabCode tabCode) = 0;
    /// Shows the failed transfers of the current song list.
    virtual void ShowTransferLog() = 0;
};
