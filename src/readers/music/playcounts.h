#pragma once

#include "common/datetime.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

class TITBSongList;

/// What the player recorded of one song since the last sync.
struct TPlayCountEntry
{
    qint32 FPlays = 0;
    quint32 FLastPlayed = 0; // Mac time (player's local time); 0 for never
    qint32 FSkips = 0;
    quint32 FLastSkipped = 0;
    std::optional<quint8> FRating; // 20 per star; present only in entries long enough to hold it
};

/// The player's record of plays since the last sync ("iPod_Control/iTunes/Play Counts"): one entry per
/// song, in song database order.
class TPlayCounts
{
    Q_DECLARE_TR_FUNCTIONS(TPlayCounts)

public:
    /// A missing file means no recorded plays; a damaged one leaves no entries and a warning.
    void LoadFromFile(const QString &path);
    void LoadFromBytes(QByteArrayView data);
    /// Adds the recorded plays to the songs' figures (entry i to song i), when the counts agree.
    void ApplyTo(TITBSongList &songs);
    void Clear();

    QList<TPlayCountEntry> FEntries;
    QString FWarning; // why the file was not used; empty when it was, or when there was none
};
