#pragma once

#include <QByteArrayView>
#include <QString>

class TTagSource;

/// Song lyrics from the unsynchronised-lyrics frame of an ID3v2 tag.
class TMPEGExtLoader
{
public:
    /// Empties FLyrics and fills it from the file's ID3v2 tag; throws ETagFileOpenError when the file
    /// cannot be opened.
    void LoadFromFile(const QString &path);
    void LoadFromData(QByteArrayView data);
    void LoadFromSource(TTagSource &source);

    /// The lyrics text of a lyrics frame body after its encoding byte.
    static QString LyricsText(int encoding, QByteArrayView body);

    QString FLyrics;
};
