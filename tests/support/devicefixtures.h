#pragma once

#include <QString>
#include <QStringList>

/// "ModelNumStr: xA002" style lines as the player writes its SysInfo file.
bool WriteSysInfo(const QString &root, const QString &modelNumStr,
                  const QString &serial = QStringLiteral("8K1234"), const QStringList &extraLines = {});
/// The 512-byte records of DeviceInfo: record 0 the name, record 1 the owner.
bool WriteDeviceInfo(const QString &root, const QString &name, const QString &owner = {});
/// DeviceInfo bytes with the given records.
QByteArray DeviceInfoBytes(const QStringList &records);
/// Creates an empty file, with its folders.
bool TouchFile(const QString &path, qint64 size = 0);
