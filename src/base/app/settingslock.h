#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

/// Keeps other runs of the program off one settings file from its reading to its writing, through a
/// lock file beside it ("Velmor.INI.lock"). Two runs that change the settings at once then each start
/// from what the other wrote, and neither loses the other's change.
class TSettingsLock
{
    Q_DECLARE_TR_FUNCTIONS(TSettingsLock)

public:
    explicit TSettingsLock(const QString &settingsPath);
    /// Waits for the lock up to `timeoutMs`; raises ESorvoError naming the file and the reason when it
    /// cannot be had.
    void Acquire(int timeoutMs = 60000);
    void Release();

private:
    QString FSettingsPath;
    QLockFile FLock;
};
