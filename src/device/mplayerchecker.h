#pragma once

#include "app/inidocument.h"
#include "app/progress.h"
#include "app/sorvoerror.h"
#include "device/playerpaths.h"

#include <QString>

class IDriveTable;
struct TPlayerMarker;

/// The song scan of the device record could not list a folder.
class EPlayerCheckError : public ESorvoError
{
public:
    using ESorvoError::ESorvoError;
};

/// Player kinds of the device record.
enum : quint8
{
    kPlayerNone = 0,
    kPlayerIPod = 1,
    kPlayerIPodShuffle = 2,
    kPlayerIPodPhoto = 3,
    kPlayerIPodNano = 4,
    kPlayerIPodVideo = 5,
    kPlayerH10 = 6,
    kPlayerRioUnite = 10,
    kPlayerIAudio = 11,
};

/// The device record: decides whether a drive holds a supported player and describes it.
class TMPlayerChecker
{
public:
    /// Reads the model data file (a missing file gives an empty table).
    explicit TMPlayerChecker(IDriveTable &drives, const QString &modelFile = DefaultModelFile());

    void Clear();
    /// The identification test for a root (trailing "/" added when missing). Fills the record on success.
    bool CheckPlayer(const QString &root);
    void SetOnProgress(TProgressEvent event) { FOnProgress = std::move(event); }

    /// "Velmor.MCD" next to the program, else in the installed data folder.
    static QString DefaultModelFile();

    TIniDocument FModels;
    TProgressEvent FOnProgress;
    QString FRoot; // with trailing "/"
    qint64 FTotalBytes = 0;
    qint64 FFreeBytes = 0;
    qint32 FSongCount = 0;
    qint64 FSongBytes = 0;
    QString FMusicDir, FNotesDir, FContactsDir, FCalendarsDir;
    QString FSongDBFile, FPhotoDBFile, FArtworkDBFile, FSysInfoFile;
    bool FHasSongs = false, FHasNotes = false, FHasContacts = false, FHasCalendar = false;
    bool FHasPhotos = false, FHasTodo = false, FHasVideo = false;
    quint8 FKind = kPlayerNone;
    QString FName, FOwner, FSerial, FModelNumber, FKindName, FModelCode, FGeneration, FRegion, FSoftware;
    QString FCapacity;
    QString FModelKey; // the four characters looked up in the model data
    QString FDeviceInfoFile;

    /// Finds files below the player root without regard to case.
    TPlayerPaths FPaths;

private:
    bool CheckIPod(const QString &root);
    bool CheckOther(const QString &root, const TPlayerMarker &player);
    void ReadDriveFacts(const QString &root);
    void ReadSysInfo();
    void ReadDeviceInfo();
    void ScanSongs(const QString &folder);
    QString Folder(const QString &relative);
    void Report(const QString &message);

    IDriveTable &FDrives;
};

/// True while the recognised player's marker file is still below its root.
bool PlayerStillPresent(const TMPlayerChecker &device);
/// The audio extensions the song count takes (lower case, with dot).
bool IsCountedAudioFile(const QString &fileName);
