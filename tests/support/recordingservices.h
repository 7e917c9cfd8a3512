#pragma once

#include "app/mainservices.h"
#include "music/copyreport.h"

#include <QList>
#include <QStringList>

/// Test double for the main window's services: records what was asked of it.
class TRecordingServices : public IMainServices
{
public:
    QStringList FStatusTexts;
    QStringList FProgressTexts; // "position/total message"
    QList<int> FLoadedTabs;
    int FTransferLogs = 0;
    /// The report the transfer log was last asked for with.
    TCopyReport FLogReport;

    void SetStatusText(const QString &text) override { FStatusTexts << text; }
    void ShowProgressText(int position, int total, const QString &message) override
    {
        FProgressTexts << QString::number(position) + u'/' + QString::number(total) + u' ' + message;
    }
    void LoadTabData(TTabCode tabCode) override { FLoadedTabs << int(tabCode); }
    void ShowTransferLog(const TCopyReport &report) override
    {
        ++FTransferLogs;
        FLogReport = report;
    }
};
