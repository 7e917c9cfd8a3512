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

/// What writing a scrobble log did.
struct TScrobbleLogResult
{
    int FAdded = 0;         // play lines written
    int FAlreadyThere = 0;  // plays an existing log already held, not written again
    int FUntimed = 0;       // songs with plays but no time, left out
    bool FAppended = false; // added to an existing log, whose lines stay as they were
};

/// An existing log's bytes followed by the lines of the plays it does not hold yet (same artist, title
/// and time); its header stays and no second one is added. A log kept in local time ("#TZ/UNKNOWN")
/// receives local times. `alreadyThere` (may be null) counts the plays left out as present.
QByteArray AppendToScrobbleLog(const QByteArray &existing, const TITBSongList &songs,
                               const QList<TRecordedPlay> &plays, int *alreadyThere = nullptr);

/// Writes the log of the plays recorded in `db` to `path`, which may not lie on the player below
/// `playerRoot`. An existing log is added to, never replaced, and the whole file is written anew only
/// when complete; a file there that is not a scrobble log is refused and left as it was (ESorvoError,
/// as for a write failure).
TScrobbleLogResult WriteScrobbleLog(const QString &path, const TITunesDBLoader &db,
                                    const QString &playerRoot);

/// The message that says what WriteScrobbleLog did with `path`, in the window's language.
QString ScrobbleLogResultText(const TScrobbleLogResult &result, const QString &path);
