#pragma once

#include "app/progress.h"
#include "app/sorvoerror.h"
#include "device/mplayerchecker.h"
#include "music/itunesdbloader.h"
#include "music/itxmakelibrary.h"
#include "photos/artworkdbloader.h"

#include <QString>
#include <QStringList>

class IDriveTable;
class IUserDialogs;
class TKiruIPodINI;

/// Removing an empty folder on the player failed.
class EIPODError : public ESorvoError
{
public:
    using ESorvoError::ESorvoError;
};

/// What the drive-information query reports of a path.
struct TDriveDataInfo
{
    QString path;
    QString volumeName; // "NotFound" when the volume cannot be queried
    QString driveType;  // "Unknown", "Removable", "HardDisk", "Network", "CD/DVD", "RAMDisk"
    qint64 total = 0;
    qint64 free = 0;
    qint64 used = 0;
};

/// Finds the player among the drives, has it identified and loads its databases; owns every
/// per-player data holder of the run.
class TKiruIPOD
{
public:
    TKiruIPOD(IDriveTable &drives, IUserDialogs *dialogs,
              const QString &modelFile = TMPlayerChecker::DefaultModelFile());

    /// Takes the stored drive lock: when the settings switch it on, only that folder is tested.
    void UseDriveLock(const TKiruIPodINI &settings);
    /// The recognition alone: finds the player (honouring the drive lock) and fills the device
    /// record; false when there is none. The window and every command find the player here.
    bool FindPlayer();
    /// Finds the player and loads its song and artwork databases; false when there is none.
    /// Reader errors propagate.
    bool Locate();
    /// Root of the first candidate drive that holds a player (no trailing "/"); empty when none.
    QString ScanDrives();
    /// The same, testing only FLockPath.
    QString CheckLockedPath();
    /// Appends the path of every file below the folder, recursively.
    bool ListFiles(const QString &folder, QStringList &list);
    /// Files and sub-folders directly inside the folder, hidden ones included.
    int CountEntries(const QString &folder);
    /// Offers every empty direct sub-folder for removal; raises EIPODError when one cannot be removed.
    bool RemoveEmptyFolders(const QString &folder);
    TDriveDataInfo GetDriveDataInfo(const QString &path) const;

    /// Hands the reporter on to the device record and the picture readers.
    void SetOnProgress(TProgressEvent event);
    /// Empties the databases and the device record (before a new recognition).
    void Clear();

    QString FLockPath;
    TProgressEvent FOnProgress;
    TITunesDBLoader FSongDB;
    TMPlayerChecker FChecker;
    TArtworkDBLoader FArtworkDB;
    TArtworkDBLoader FPhotoDB;
    TITXMakeLibrary FLibrary;

private:
    void Report(qint64 position, qint64 total, const QString &message);
    IDriveTable &FDrives;
    IUserDialogs *FDialogs;
};
