#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

/// One song or video of a fixture player.
struct TFixtureSong
{
    QString title;
    QString artist;
    QString album;
    qint32 trackNumber = 0;
    QString location;        // ":iPod_Control:Music:F00:ABCD.mp3"; default F00:S<n>.mp3
    QByteArray data = "ID3"; // the file's bytes
    bool video = false;
    bool writeFile = true; // false: the database names a file that is missing
    quint32 mediaType = 0; // the database's media type; 0: 1 for a song, 2 for a video (4 is a podcast)
};

/// Writes a player below `root`: SysInfo, the song database naming the songs, and their files.
bool WriteSongPlayer(const QString &root, const QList<TFixtureSong> &songs);
/// The location a song gets when it names none.
QString DefaultSongLocation(int index, bool video);
/// A song, a song whose file is missing, a video and a podcast: where the audio files of the music folder
/// and the songs of the database differ (2 files, 3 songs, 4 entries).
QList<TFixtureSong> SongCountCases();
