#pragma once

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
    /// Reloads a tab's list: 0 notes, 1 contacts, 2 events, 3 photos, 4 news sites, 5 to-do, 6 songs, 7
    /// videos.
    virtual void LoadTabData(int tabCode) = 0;
    /// Shows the failed transfers of the current song list.
    virtual void ShowTransferLog() = 0;
};
