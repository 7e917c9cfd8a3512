#include "app/settingslock.h"

#include "common/sorvoerror.h"
#include "common/format.h"

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
            u"設定ファイル %s は他の sorvo が使用中です。しばらくしてからやり直してください"_s, {shown}));
    case QLockFile::PermissionError:
        throw ESorvoError(
            Format(u"設定ファイル %s をロックできません (書き込みの権限がありません)"_s, {shown}));
    default:
        throw ESorvoError(Format(u"設定ファイル %s をロックできません"_s, {shown}));
    }
}

void TSettingsLock::Release()
{
    FLock.unlock();
}
