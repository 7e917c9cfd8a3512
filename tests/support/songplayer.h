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
};

/// Writes a player below `root`: SysInfo, the song database naming the songs, and their files.
bool WriteSongPlayer(const QString &root, const QList<TFixtureSong> &songs);
/// The location a song gets when it names none.
QString DefaultSongLocation(int index, bool video);
