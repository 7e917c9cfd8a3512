#pragma once

#include "cli/clicommand.h"
#include "device/kiruipod.h"
#include "platform/drivetable.h"

#include <memory>

/// The player as the commands see it: located exactly as the window does.
class TCliDevice
{
public:
    explicit TCliDevice(TCliContext &context);
    /// Runs the recognition; raises ESorvoError "iPodが見つかりません" when there is no player.
    void Locate();

    TSystemDriveTable FDrives;
    std::unique_ptr<TKiruIPOD> FDevice;
};
