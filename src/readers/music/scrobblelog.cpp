#include "music/scrobblelog.h"

#include "app/version.h"
#include "common/datetime.h"
#include "common/sorvoerror.h"
#include "music/copydestination.h"
#include "music/itunesdbloader.h"
#include "music/playcounts.h"
#include "music/songdb.h"
#include "platform/safefilewriter.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A field of the log: tabs and line breaks would split the line.
QString Field(QStringView text)
{
    QString field = text.toString();
    for (QChar &c : field)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return field;
}

qint64 LengthSeconds(const TITBSongItem &song)
{
    return (qint64(qMax(0, song.FLength)) + 500) / 1000;
}

} // namespace

QList<TRecordedPlay> RecordedPlays(const TITBSongList &songs, const TPlayCounts &plays, int *untimed)
{
    QList<TRecordedPlay> result;
    if (untimed)
        *untimed = 0;
    if (plays.FEntries.size() != songs.Count())
        return result;
    for (int i = 0; i < songs.Count(); ++i) {
        const TPlayCountEntry &entry = plays.FEntries.at(i);
        if (entry.FPlays <= 0)
            continue;
        if (entry.FLastPlayed == 0) {
            if (untimed)
                ++*untimed;
            continue;
        }
        // The player's times are its local wall-clock time, read here in the computer's zone.
        const qint64 last = DateTimeToQDateTime(MacTimeToDateTime(entry.FLastPlayed)).toSecsSinceEpoch();
        const qint64 length = LengthSeconds(songs.Items(i));
        for (qint32 n = entry.FPlays - 1; n >= 0; --n)
            result.append({i, last - qint64(n) * length});
    }
    std::stable_sort(result.begin(), result.end(), [](const TRecordedPlay &a, const TRecordedPlay &b) {
        return a.FUnixTime < b.FUnixTime;
    });
    return result;
}

QByteArray ScrobbleLogText(const TITBSongList &songs, const QList<TRecordedPlay> &plays,
                           const QString &client)
{
    QString text = u"#AUDIOSCROBBLER/1.1\n#TZ/UTC\n#CLIENT/"_s + Field(client) + u'\n';
    for (const TRecordedPlay &play : plays) {
        const TITBSongItem &s = songs.Items(play.FSong);
        const QStringList fields{Field(s.ArtistView()),
                                 Field(s.AlbumView()),
                                 Field(s.TitleView()),
                                 s.FTrackNumber > 0 ? QString::number(s.FTrackNumber) : QString(),
                                 QString::number(LengthSeconds(s)),
                                 u"L"_s,
                                 QString::number(play.FUnixTime),
                                 QString()};
        text += fields.join(u'\t') + u'\n';
    }
    return text.toUtf8();
}

int WriteScrobbleLog(const QString &path, const TITunesDBLoader &db, const QString &playerRoot, int *untimed)
{
    // The log goes to the computer, never onto the player.
    RefuseFileInPlayer(path, playerRoot);
    // A damaged play history is not an empty one: no log rather than a log that says nothing was played.
    if (!db.FRecordedPlays.FWarning.isEmpty())
        throw ESorvoError(db.FRecordedPlays.FWarning);
    const QList<TRecordedPlay> plays = RecordedPlays(db.FSongs, db.FRecordedPlays, untimed);
    SaveFileOrThrow(path, ScrobbleLogText(db.FSongs, plays, u"Sorvo "_s + QString::fromUtf16(kSorvoVersion)));
    return int(plays.size());
}
