#pragma once

#include "cli/clicommand.h"
#include "device/kiruipod.h"
#include "platform/drivetable.h"

#include <memory>

/// The player as the commands see it: found on the --drive roots (else the removable volumes) by the
/// window's recognition, with the stored drive lock.
class TCliDevice
{
public:
    /// Reader messages go to `dialogs`, by default the command's.
    explicit TCliDevice(const TCliContext &context, IUserDialogs *dialogs = nullptr);
    /// Finds the player (the device record only); raises "iPodが見つかりません" when there is none.
    void FindPlayer();
    /// Finds the player and loads its databases; raises "iPodが見つかりません" when there is none.
    void Locate();

    TSystemDriveTable FDrives;
    std::unique_ptr<TKiruIPOD> FDevice;
};

/// The folder of --to as an absolute path with a trailing "/"; a usage error when it is missing.
QString CliDestinationFolder(const QString &to);
