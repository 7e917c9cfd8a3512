#pragma once

#include <QString>

/// Asks the system to unmount the player's device and power it off (udisks on Linux). False with the
/// reason in error when it cannot, for example when the player is a folder rather than a device.
bool EjectPlayer(const QString &root, QString &error);
