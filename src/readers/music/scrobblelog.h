#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class TITBSongList;
class TITunesDBLoader;
class TPlayCounts;

/// One play the player recorded since the last sync.
struct TRecordedPlay
{
    int FSong = 0;        // index into the song list
    qint64 FUnixTime = 0; // seconds since 1970-01-01 UTC
};

/// The plays recorded in `plays`, oldest first. The player keeps only the last time of a song's
/// plays: the earlier ones are placed before it, each a song's length earlier than the next. Songs
/// with plays but no time are counted in `untimed` (may be null) and left out.
QList<TRecordedPlay> RecordedPlays(const TITBSongList &songs, const TPlayCounts &plays,
                                   int *untimed = nullptr);

/// An Audioscrobbler 1.1 log (".scrobbler.log") of the plays: the header with `client`, then one
/// tab-separated line per play: artist, album, title, track number, length in seconds, "L", UNIX
/// time, and an empty MusicBrainz track id.
QByteArray ScrobbleLogText(const TITBSongList &songs, const QList<TRecordedPlay> &plays,
                           const QString &client);

/// Writes the log of the plays recorded in `db` to `path`, which may not lie on the player below
/// `playerRoot` (ESorvoError, as for a write failure); returns the plays written. Songs with plays but
/// no time are counted in `untimed` (may be null).
int WriteScrobbleLog(const QString &path, const TITunesDBLoader &db, const QString &playerRoot,
                     int *untimed = nullptr);
