#pragma once

#include "app/progress.h"
#include "music/copyreport.h"

#include <QList>
#include <QString>

class IDriveTable;
class TArtworkDBLoader;
class IMainServices;
class IUserDialogs;
class TITBSongItem;
class TITBSongList;
class TITXMakeLibrary;
class TKiruIPodINI;
class TCopyDestination;
class TPlayerPaths;

/// One row of a song or video list handed to the copy loop, in display order.
struct TCopyRow
{
    int FIndex = 0; // into the song database's list
    bool FChecked = false;
};

/// Whether the copy follows the song rules or the video rules.
enum class TCopyKind
{
    Songs,
    Videos
};

/// How a copy's file name is made ("MakingNameType" / "MakeType" in the settings: 0, 1, 2).
enum class TNamingType
{
    ArtistTitle, // "artist-title.ext", or "title.ext" without an artist
    Title,       // "title.ext"
    Keep,        // the player's own file name
};

/// The stored naming choice; anything but 0 and 1 keeps the player's name.
TNamingType NamingTypeFromSetting(int value);

/// The choices the copy works from (the "SongCopy" or "VideoCopy" settings).
struct TCopyOptions
{
    TCopyKind FKind = TCopyKind::Songs;
    QString FFolder; // destination, with a trailing "/"
    bool FArtistFolder = false;
    bool FAlbumFolder = false;
    TNamingType FNameType = TNamingType::ArtistTitle;
    bool FAddTrackNo = false;
    bool FMakeListing = false;
    bool FEmbedTags = false;                    // write the database's tags and artwork into the copies
    const TArtworkDBLoader *FArtwork = nullptr; // where FEmbedTags finds the artwork; may be null

    static TCopyOptions ForSongs(const TKiruIPodINI &settings);
    static TCopyOptions ForVideos(const TKiruIPodINI &settings);
};

/// Refuses (ESorvoError) a destination inside the player, and creates a missing one; a folder that
/// cannot be created raises its error once for the whole run.
void CheckExtractionFolder(const QString &folder, const QString &playerRoot);

/// The copy's path below the destination folder: sub-folders and file name built from the tags.
QString CopyRelativePath(const TITBSongItem &entry, const TCopyOptions &options);

/// Copies the checked entries of a list to the PC; what became of each goes into its report.
class TSongCopier
{
public:
    /// `root` is the player root; `listing` receives a row per copy when the options ask for it (may be
    /// null).
    TSongCopier(const TITBSongList &songs, const QString &root, TCopyOptions options,
                TITXMakeLibrary *listing = nullptr);

    /// The loop run inside the progress window over the rows in display order.
    void Step(const QList<TCopyRow> &rows, TProgressContext &context);
    /// The status-line text of the finished run.
    QString StatusText() const;

    TCopyReport FReport;
    /// The checked destination; when null, Step checks and makes FOptions.FFolder itself.
    const TCopyDestination *FDestination = nullptr;

private:
    bool CopyOne(int index, int checkedCount, TProgressContext &context);
    /// Copies with the database's tags written in; `note` says why a copy was made without them.
    int CopyWithTags(const QString &source, const QString &target, const TITBSongItem &entry, QString &note);

    const TITBSongList &FSongs;
    QString FRoot;
    TCopyOptions FOptions;
    TITXMakeLibrary *FListing;
    TPlayerPaths *FPaths = nullptr; // set while Step runs
};

/// The whole extraction once the settings are confirmed: the loop in the progress window "楽曲の転送状況",
/// the status line, the transfer log when some copies failed, the folder opened, the listing saved.
TCopyReport ExtractEntries(const TITBSongList &songs, const QString &root, const QList<TCopyRow> &rows,
                           const TCopyOptions &options, IProgressRunner &progress, IMainServices &services,
                           IUserDialogs &dialogs, TITXMakeLibrary *listing);

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
