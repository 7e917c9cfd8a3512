#pragma once

#include "app/mainservices.h"

#include <QList>
#include <QStringList>

#include <functional>

/// Test double for the main window's services: records what was asked of it.
class TRecordingServices : public IMainServices
{
public:
    QStringList FStatusTexts;
    QStringList FProgressTexts; // "position/total message"
    QList<int> FLoadedTabs;
    int FTransferLogs = 0;
    /// Called when the transfer log is asked for (the entries' marks are read there).
    std::function<void()> FOnTransferLog;

    void SetStatusText(const QString &text) override { FStatusTexts << text; }
    void ShowProgressText(int position, int total, const QString &message) override
    {
        FProgressTexts << QString::number(position) + u'/' + QString::number(total) + u' ' + message;
    }
    void LoadTabData(TTabCode tabCode) override { FLoadedTabs << int(tabCode); }
    void ShowTransferLog() override
    {
        ++FTransferLogs;
        if (FOnTransferLog)
            FOnTransferLog();
    }
};
