#pragma once

#include "app/progress.h"
#include "music/playcounts.h"
#include "music/songdb.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

class TByteSource;

/// What the user is told when the song database ended early: how many songs were read.
QString EndedEarlyText(int songs);

/// Reads the player's song database (iTunesDB, or the compressed iTunesCDB of later players) in one
/// pass, a record at a time.
class TITunesDBLoader
{
    Q_DECLARE_TR_FUNCTIONS(TITunesDBLoader)

public:
    /// Walks the file, reading it a part at a time; a file that cannot be opened raises ESorvoError.
    void LoadFromFile(const QString &path);
    /// Walks the bytes from offset 0 and appends songs and playlists; does not clear.
    void LoadFromStream(QByteArrayView data);
    void Clear();

    TITBSongList FSongs;
    TITBPlayLists FPlayLists;
    TPlayCounts FRecordedPlays; // what the player recorded since the last sync, already added to FSongs
    TProgressEvent FOnProgress; // used by the folder scan; may be empty
    bool FEndedEarly = false;   // a length ran past the end of the data: what came before was read
    /// A compressed database that would inflate beyond this is refused.
    qint64 FMaxInflatedBytes = qint64(512) << 20;

private:
    /// A compressed database is inflated as the walk goes; a damaged stream takes back what this
    /// load added and raises the header error.
    void LoadCompressed(QByteArrayView data, qint64 headerLength);
    void Walk(TByteSource &bytes);
};
