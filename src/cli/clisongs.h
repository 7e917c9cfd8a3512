#pragma once

#include "common/datetime.h"

#include <QString>

class TITBSongList;

/// A date-time value as "YYYY-MM-DDTHH:MM:SS", rounded to the second, as stored (no zone).
QString CliJsonDateTime(TDateTime value);
/// Prints song entries in list order, as JSON objects or as a table.
void CliPrintSongs(const TITBSongList &songs, bool json);
