#pragma once

#include "common/datetime.h"

#include <QList>
#include <QString>

class TITBPlayLists;
class TITBSongList;
class TPlayCounts;

/// A date-time value as "YYYY-MM-DDTHH:MM:SS", rounded to the second, as stored (no zone).
QString CliJsonDateTime(TDateTime value);
/// Prints song entries in list order, as JSON objects or as a table; `recorded` (may be null) gives the
/// plays the player recorded since the last sync.
void CliPrintSongs(const TITBSongList &songs, bool json, const TPlayCounts *recorded = nullptr);
/// Prints the songs of a playlist (indexes into the list, in playlist order) with their position from 1.
void CliPrintPlayListSongs(const TITBSongList &songs, const QList<int> &indexes, bool json,
                           const TPlayCounts *recorded);
/// The playlist a command line names: none is an error, and so are several of that name (the message
/// gives their positions and `positionOption`, the option that takes one instead).
int CliPlayListByName(const TITBPlayLists &lists, const QString &name, const QString &positionOption);
/// The playlist at a position as `playlists` shows it (from 0); a usage error for anything else.
int CliPlayListAt(const TITBPlayLists &lists, const QString &position);
