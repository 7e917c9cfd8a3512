#include "app/settingslock.h"

#include "common/format.h"
#include "common/sorvoerror.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

TSettingsLock::TSettingsLock(const QString &settingsPath)
    : FSettingsPath(settingsPath), FLock(settingsPath + u".lock"_s)
{
    // A run that died keeps no one out for long; a living holder is recognised by its process id.
    FLock.setStaleLockTime(5 * 60 * 1000);
}

void TSettingsLock::Acquire(int timeoutMs)
{
    QDir().mkpath(QFileInfo(FSettingsPath).absolutePath());
    if (FLock.tryLock(timeoutMs))
        return;
    const QString shown = QDir::toNativeSeparators(FSettingsPath);
    switch (FLock.error()) {
    case QLockFile::LockFailedError:
        throw ESorvoError(Format(
            tr("設定ファイル %s は他の sorvo が使用中です。しばらくしてからやり直してください"), {shown}));
    case QLockFile::PermissionError:
        throw ESorvoError(
            Format(tr("設定ファイル %s をロックできません (書き込みの権限がありません)"), {shown}));
    default:
        throw ESorvoError(Format(tr("設定ファイル %s をロックできません"), {shown}));
    }
}

void TSettingsLock::Release()
{
    FLock.unlock();
}
