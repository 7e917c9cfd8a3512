#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class TITBSongItem;

/// Where SaveIntoFolder put the listing.
struct TListingSaved
{
    QString FPath;          // the listing file written or added to
    bool FAppended = false; // added to an earlier listing, whose rows stay
    int FRows = 0;          // song rows written
    QString FKept;          // a file named as the listing that is not one, left as it was; else empty
};

/// The tab-separated library listing (iPodLibrary.TXT) of copied songs and videos, gathered over a session.
class TITXMakeLibrary
{
    Q_DECLARE_TR_FUNCTIONS(TITXMakeLibrary)

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

    /// Saves into `folder` without ever losing an earlier file: "iPodLibrary.TXT" when there is none; the
    /// rows it lacks added to one with the same header line; otherwise that file is kept and the next free
    /// "iPodLibrary(N).TXT" written. Throws ESorvoError when nothing could be written.
    TListingSaved SaveIntoFolder(const QString &folder) const;
    /// The note for the status line, in parentheses, that says what SaveIntoFolder did.
    static QString SavedText(const TListingSaved &saved);

    /// A date-time cell: the locale's short date, a blank and H:mm:ss; the date alone at midnight.
    static QString DateCell(double dateTime);

    QStringList FLines;
};
