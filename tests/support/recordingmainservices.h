#pragma once

#include "app/mainservices.h"

#include <QList>
#include <QStringList>

/// Test double for the main window: records status texts, tab reloads and transfer-log requests.
class TRecordingMainServices : public IMainServices
{
public:
    void SetStatusText(const QString &text) override { FStatusTexts.append(text); }
    void ShowProgressText(int position, int total, const QString &message) override
    {
        Q_UNUSED(position);
        Q_UNUSED(total);
        ++FProgressCalls;
        FLastProgress = message;
    }
    void LoadTabData(int tabCode) override { FReloads.append(tabCode); }
    void ShowTransferLog() override { ++FTransferLogs; }

    QStringList FStatusTexts;
    QList<int> FReloads;
    int FProgressCalls = 0;
    QString FLastProgress;
    int FTransferLogs = 0;
};
