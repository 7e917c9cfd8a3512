#pragma once

#include "cli/clicommand.h"
#include "platform/drivetable.h"

#include <memory>

class IUserDialogs;
class TKiruIPodINI;
class TPlayerSession;
struct TPlayerInfo;

/// The player as the commands see it: found on the --drive roots (else the removable volumes) by the
/// window's recognition, with the stored drive lock, in a player session of its own.
class TCliDevice
{
public:
    /// Reader messages go to `dialogs`, by default the command's.
    explicit TCliDevice(const TCliContext &context, IUserDialogs *dialogs = nullptr);
    ~TCliDevice();
    /// Finds the player (the device record only); raises "iPodが見つかりません" when there is none.
    void FindPlayer();
    /// Finds the player and loads its databases; raises "iPodが見つかりません" when there is none.
    void Locate();

    TPlayerSession &Session() { return *FSession; }
    const TPlayerInfo &Player() const;

    TSystemDriveTable FDrives;

private:
    std::unique_ptr<TKiruIPodINI> FSettings; // read for the drive lock, never written
    std::unique_ptr<TPlayerSession> FSession;
};

/// The folder of --to as an absolute path with a trailing "/"; a usage error when it is missing.
QString CliDestinationFolder(const QString &to);
