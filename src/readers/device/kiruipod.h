#pragma once

#include "app/progress.h"
#include "common/sorvoerror.h"
#include "device/mplayerchecker.h"

#include <QCoreApplication>
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

/// Appends the path of every file below the folder, recursively; linked folders are not followed.
void ListFilesBelow(const QString &folder, QStringList &list);

/// Finds the player among the drives and has it identified; the disk helpers of the player's folders.
class TKiruIPOD
{
    Q_DECLARE_TR_FUNCTIONS(TKiruIPOD)

public:
    TKiruIPOD(IDriveTable &drives, IUserDialogs *dialogs,
              const QString &modelFile = TMPlayerChecker::DefaultModelFile());

    /// Takes the stored drive lock: when the settings switch it on, only that folder is tested.
    void UseDriveLock(const TKiruIPodINI &settings);
    /// The recognition alone: finds the player (honouring the drive lock) and fills the device
    /// record; false when there is none. The window and every command find the player here.
    bool FindPlayer();
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

    /// Hands the reporter on to the device record.
    void SetOnProgress(TProgressEvent event);
    /// Forgets the player found last.
    void Clear() { FChecker.Clear(); }
    /// The player found by the last FindPlayer.
    const TPlayerInfo &Player() const { return FChecker.FInfo; }

    QString FLockPath;
    TProgressEvent FOnProgress;
    TMPlayerChecker FChecker;

private:
    void Report(qint64 position, qint64 total, const QString &message);
    IDriveTable &FDrives;
    IUserDialogs *FDialogs;
};
