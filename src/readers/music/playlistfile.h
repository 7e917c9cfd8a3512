#pragma once

#include "music/copyreport.h"

#include <QList>
#include <QString>

class TITBPlayLists;
class TITBPlayListData;
class TITBSongList;

/// A playlist file written after a copy.
struct TPlayListFileResult
{
    QString FPath;       // the file really written
    QList<int> FLeftOut; // songs of the playlist (indexes into the song list) that were not copied
};

/// The songs of the playlists given (indexes into `lists`), each once, in the order first met.
QList<int> SongsOfPlayLists(const TITBSongList &songs, const TITBPlayLists &lists,
                            const QList<int> &playLists);
/// Every playlist a playlist extraction takes: all but the master playlist and the folders.
QList<int> ExtractablePlayLists(const TITBPlayLists &lists);

/// The text of "NAME.m3u8" for a playlist whose songs were copied as `report` says: "#EXTM3U", then
/// "#EXTINF:seconds,Artist - Title" and the copy's path relative to `folder` ("/"-separated) for each
/// copied song in playlist order. `leftOut` receives the songs that have no copy.
QByteArray PlayListFileText(const QString &folder, const TITBSongList &songs, const TITBPlayListData &list,
                            const TCopyReport &report, QList<int> *leftOut = nullptr);
/// Writes the playlist's file in `folder` (a trailing "/") under its name cleaned as song names are,
/// never replacing a file: a taken name gets "(2)" and on. Raises ESorvoError when it cannot be written.
TPlayListFileResult WritePlayListFile(const QString &folder, const TITBSongList &songs,
                                      const TITBPlayListData &list, const TCopyReport &report);
/// The line the transfer log and the command line give for a song left out of a playlist file.
QString LeftOutText(const TITBSongList &songs, int song, const QString &playListName);
