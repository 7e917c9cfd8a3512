#pragma once

#include <QString>
#include <QStringList>

class TArtworkDBLoader;
class TITBSongList;
struct TPlayerInfo;

/// What the debug page's "エクスポート" writes.
struct TDebugExportChoice
{
    bool songDB = false;
    bool artworkDB = false;
    bool photoDB = false;
    bool artworkInfo = false;
    bool photoInfo = false;
    bool folderReport = false;
    bool deviceReport = false;

    /// Every database and every report.
    static TDebugExportChoice All() { return {true, true, true, true, true, true, true}; }
};

/// What the debug export reads: the recognised player and what has been read from it.
struct TDebugSources
{
    const TPlayerInfo &player;
    const TITBSongList &songs;
    const TArtworkDBLoader &artwork;
    const TArtworkDBLoader *photos = nullptr; // null: not read yet, read from the player when needed
};

/// Writes copies of the player's databases and text reports on them into a folder, for a bug report.
/// Returns the files written; raises ESorvoError when one cannot be written.
QStringList ExportDebugData(const TDebugSources &sources, const TDebugExportChoice &choice,
                            const QString &folder);
