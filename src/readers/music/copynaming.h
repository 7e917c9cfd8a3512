#pragma once

#include <QString>

class TArtworkDBLoader;
class TITBSongItem;
class TKiruIPodINI;

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

/// The copy's path below the destination folder: sub-folders and file name built from the tags.
QString CopyRelativePath(const TITBSongItem &entry, const TCopyOptions &options);
