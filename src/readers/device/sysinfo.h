#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

/// The fields Sorvo reads from the player's SysInfo text ("key: value" lines).
struct TSysInfoFields
{
    QString serial;
    QString modelNumber;
    QString region;
    QString build;
};

/// Reads SysInfo text in one linear pass; unknown lines are ignored.
TSysInfoFields ParseSysInfo(QByteArrayView data);
/// The name and owner records of a DeviceInfo file (UTF-16LE, a length word and up to 255 units each).
QStringList ParseDeviceInfo(QByteArrayView data);
/// SysInfo and DeviceInfo are a few KB on every player; reading stops here.
inline constexpr qint64 kMaxPlayerInfoBytes = 64 * 1024;
/// Reads the start of a small player file; a FIFO or device standing there is not opened.
bool ReadPlayerInfoFile(const QString &path, qint64 limit, QByteArray &data);
