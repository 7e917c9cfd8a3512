#pragma once

#include "platform/playerbounds.h"

#include <QCoreApplication>
#include <QString>

#include <sys/types.h>

class IDriveTable;
class IUserDialogs;

/// The destination folder of one copy run. It is made once at the start, every folder a copy creates or
/// enters below it is checked after resolving links (a link into the player is refused before anything
/// is created there), and before each file it must still be the same folder on the same device: a disk
/// unmounted mid-run leaves an empty mount point that must not be filled on the system disk.
class TCopyDestination
{
    Q_DECLARE_TR_FUNCTIONS(TCopyDestination)

public:
    /// Refuses (ESorvoError) a folder inside the player, also through links or parts still to be made,
    /// then creates it; one that cannot be created or written raises its error once for the whole run.
    TCopyDestination(const QString &folder, const QString &playerRoot);

    /// True while the folder is still there on the device it was on at the start.
    bool StillThere() const;
    /// Makes the sub-folders of `relativeFolder` ("Artist/Album", may be empty) one by one. False with
    /// the reason when a level leads into the player or cannot be made; `code` then receives the transfer
    /// log's code: kIntoPlayer, kFileInTheWay or the system's error number.
    bool EnterFolder(const QString &relativeFolder, QString *why, int *code = nullptr) const;
    static constexpr int kIntoPlayer = -5;
    static constexpr int kFileInTheWay = -7;

    const QString &Folder() const { return FFolder; }

private:
    QString FFolder; // with a trailing "/"
    TPlayerBounds FPlayer;
    dev_t FDevice = 0;
    ino_t FInode = 0;
};

/// Raises ESorvoError when the folder lies inside the player (TPlayerBounds: through links, parts still
/// to be made and second mounts of the player), so nothing is created before the check.
void RefuseFolderInPlayer(const QString &folder, const QString &playerRoot);
/// Raises ESorvoError when a file written at this path would land inside the player.
void RefuseFileInPlayer(const QString &file, const QString &playerRoot);
/// The path with its existing part resolved through links (the rest added as written).
QString ResolvedPath(const QString &path);

/// Refuses (ESorvoError) a destination inside the player, and creates a missing one; a folder that
/// cannot be created raises its error once for the whole run.
void CheckExtractionFolder(const QString &folder, const QString &playerRoot);

/// What the settings window shows of a destination folder text, and whether OK may be pressed.
struct TFolderCheck
{
    bool FUsable = false;
    QString FText;
};

/// Checks a destination folder text: its drive (the file system of its nearest existing folder), the free
/// space there and whether the folder itself exists.
TFolderCheck CheckDestinationFolder(const QString &folder, const IDriveTable &drives);
/// OK in the settings window: true when the folder exists, or the user agreed to create it and it was made
/// (or at least attempted); false when the user said No.
bool ConfirmDestinationFolder(const QString &folder, IUserDialogs &dialogs);
