#pragma once

#include <QString>

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

/// What is known of a recognised player: its kind, folders, database files, features, sizes and model.
/// Every player path is built from it. A default value stands for "no player".
struct TPlayerInfo
{
    QString FRoot; // with trailing "/"
    qint64 FTotalBytes = 0;
    qint64 FFreeBytes = 0;
    qint32 FSongCount = 0;                                     // audio files below the music folder
    qint64 FSongBytes = 0;                                     // their total size
    QString FMusicDir, FNotesDir, FContactsDir, FCalendarsDir; // each with trailing "/", or empty
    QString FSongDBFile, FPhotoDBFile, FArtworkDBFile, FSysInfoFile, FDeviceInfoFile;
    bool FHasSongs = false, FHasNotes = false, FHasContacts = false, FHasCalendar = false;
    bool FHasPhotos = false, FHasTodo = false, FHasVideo = false;
    quint8 FKind = kPlayerNone;
    QString FName, FOwner, FSerial, FModelNumber, FKindName, FModelCode, FGeneration, FRegion, FSoftware;
    QString FCapacity = QStringLiteral("不明な容量");
    QString FModelKey; // the four characters looked up in the model data

    /// True for a recognised player.
    bool Recognized() const { return FKind != kPlayerNone && !FRoot.isEmpty(); }
};

/// The file whose presence shows that the recognised player is still there; empty without a player.
QString PlayerMarkerFile(const TPlayerInfo &player);
/// True while the recognised player's marker file is still below its root.
bool PlayerStillPresent(const TPlayerInfo &player);
/// The marker file of a player kind, relative to its root.
QString PlayerMarker(quint8 kind);
