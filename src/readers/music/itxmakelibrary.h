#pragma once

#include <QString>
#include <QStringList>

class TITBSongItem;

/// The tab-separated library listing (iPodLibrary.TXT) of copied songs and videos, gathered over a session.
class TITXMakeLibrary
{
public:
    TITXMakeLibrary() { Reset(); }
    /// Empties the listing down to its header line.
    void Reset();
    /// Appends the row of a song; path is the location of its copy on the PC.
    void Add(const TITBSongItem &song, const QString &path);
    /// Writes every line gathered so far with CR LF, replacing the file as a whole: Shift-JIS, or UTF-16LE
    /// with a byte-order mark when a line holds characters Shift-JIS lacks. Throws ESorvoError when the
    /// file cannot be written.
    void SaveToFile(const QString &path) const;

    /// A date-time cell: the locale's short date, a blank and H:mm:ss; the date alone at midnight.
    static QString DateCell(double dateTime);

    QStringList FLines;
};
