#pragma once

#include "app/inidocument.h"
#include "app/progress.h"
#include "common/sorvoerror.h"
#include "device/playerinfo.h"
#include "platform/playerpaths.h"

#include <QCoreApplication>
#include <QString>

class IDriveTable;
struct TPlayerMarker;

/// The song scan of the device record could not list a folder.
class EPlayerCheckError : public ESorvoError
{
public:
    using ESorvoError::ESorvoError;
};

/// Decides whether a drive holds a supported player and describes it in a TPlayerInfo.
class TMPlayerChecker
{
    Q_DECLARE_TR_FUNCTIONS(TMPlayerChecker)

public:
    /// Reads the model data file (a missing file gives an empty table).
    explicit TMPlayerChecker(IDriveTable &drives, const QString &modelFile = DefaultModelFile());

    void Clear() { FInfo = TPlayerInfo(); }
    /// The identification test for a root (trailing "/" added when missing). Fills FInfo on success;
    /// FInfo.FRoot names the root tested in any case.
    bool CheckPlayer(const QString &root);
    void SetOnProgress(TProgressEvent event) { FOnProgress = std::move(event); }

    /// "Velmor.MCD" next to the program, else in the installed data folder.
    static QString DefaultModelFile();

    TIniDocument FModels;
    TProgressEvent FOnProgress;
    TPlayerInfo FInfo;

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
    TPlayerPaths FPaths; // finds files below the root tested without regard to case
};

/// The audio extensions the song count takes (lower case, with dot).
bool IsCountedAudioFile(const QString &fileName);
