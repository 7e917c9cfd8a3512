#pragma once

#include "common/datetime.h"

#include <QList>
#include <QString>

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
