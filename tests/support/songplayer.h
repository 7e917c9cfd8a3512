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
    qint32 lengthMs = 0;
    quint32 mediaType = 0; // the database's media type; 0: 1 for a song, 2 for a video (4 is a podcast)
};

/// A playlist of a fixture player: its songs by their place in the song list (track id 100 + place).
struct TFixturePlaylist
{
    QString name;
    QList<int> songs;
    bool podcast = false;
    bool smart = false;
};

/// Writes a player below `root`: SysInfo, the song database naming the songs, and their files.
bool WriteSongPlayer(const QString &root, const QList<TFixtureSong> &songs,
                     const QList<TFixturePlaylist> &playlists = {});
/// The location a song gets when it names none.
QString DefaultSongLocation(int index, bool video);
/// A song, a song whose file is missing, a video and a podcast: where the audio files of the music folder
/// and the songs of the database differ (2 files, 3 songs, 4 entries).
QList<TFixtureSong> SongCountCases();
