#include "music/scrobblelog.h"

#include "app/version.h"
#include "common/datetime.h"
#include "common/sorvoerror.h"
#include "common/textutils.h"
#include "music/copydestination.h"
#include "music/itunesdbloader.h"
#include "music/playcounts.h"
#include "music/songdb.h"
#include "platform/regularfile.h"
#include "platform/safefilewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QByteArrayView kLogMagic = "#AUDIOSCROBBLER/";

qint64 LengthSeconds(const TITBSongItem &song)
{
    return (qint64(qMax(0, song.FLength)) + 500) / 1000;
}

/// The line of one play (without its line end); `time` is the log's time of the play.
QString PlayLine(const TITBSongList &songs, const TRecordedPlay &play, qint64 time)
{
    const TITBSongItem &s = songs.Items(play.FSong);
    const QStringList fields{OneLineCell(s.ArtistView()),
                             OneLineCell(s.AlbumView()),
                             OneLineCell(s.TitleView()),
                             s.FTrackNumber > 0 ? QString::number(s.FTrackNumber) : QString(),
                             QString::number(LengthSeconds(s)),
                             u"L"_s,
                             QString::number(time),
                             QString()};
    return fields.join(u'\t');
}

/// What tells two plays apart in a log: artist, title and time.
QString PlayKey(const QStringList &fields)
{
    return fields.value(0) + u'\t' + fields.value(2) + u'\t' + fields.value(6);
}

/// A play's time as a log without a zone keeps it: the computer's wall-clock time counted as if UTC.
qint64 LocalTime(qint64 unixTime)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(unixTime);
    return unixTime + local.offsetFromUtc();
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
    QString text = u"#AUDIOSCROBBLER/1.1\n#TZ/UTC\n#CLIENT/"_s + OneLineCell(client) + u'\n';
    for (const TRecordedPlay &play : plays)
        text += PlayLine(songs, play, play.FUnixTime) + u'\n';
    return text.toUtf8();
}

QByteArray AppendToScrobbleLog(const QByteArray &existing, const TITBSongList &songs,
                               const QList<TRecordedPlay> &plays, int *alreadyThere)
{
    QSet<QString> present;
    bool localTime = false;
    for (QByteArray line : existing.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('#'))
            localTime = localTime || line == "#TZ/UNKNOWN";
        else if (!line.isEmpty())
            present.insert(PlayKey(QString::fromUtf8(line).split(u'\t')));
    }
    QByteArray result = existing;
    if (!result.isEmpty() && !result.endsWith('\n'))
        result += '\n';
    int skipped = 0;
    for (const TRecordedPlay &play : plays) {
        const QString line = PlayLine(songs, play, localTime ? LocalTime(play.FUnixTime) : play.FUnixTime);
        if (present.contains(PlayKey(line.split(u'\t')))) {
            ++skipped;
            continue;
        }
        result += line.toUtf8() + '\n';
    }
    if (alreadyThere)
        *alreadyThere = skipped;
    return result;
}

TScrobbleLogResult WriteScrobbleLog(const QString &path, const TITunesDBLoader &db, const QString &playerRoot)
{
    // The log goes to the computer, never onto the player.
    RefuseFileInPlayer(path, playerRoot);
    // A damaged play history is not an empty one: no log rather than a log that says nothing was played.
    if (!db.FRecordedPlays.FWarning.isEmpty())
        throw ESorvoError(db.FRecordedPlays.FWarning);
    TScrobbleLogResult result;
    const QList<TRecordedPlay> plays = RecordedPlays(db.FSongs, db.FRecordedPlays, &result.FUntimed);
    const QString shown = QDir::toNativeSeparators(path);
    QFile old(path);
    // A log holds the plays not yet sent: it is added to, never replaced. An empty file holds nothing.
    if (old.exists() && old.size() > 0) {
        QByteArray existing;
        QString why;
        if (!ReadRegularFile(path, existing, &why, kTextFileLimit))
            //: %1 is the file, %2 the system's reason
            throw ESorvoError(QCoreApplication::translate("TScrobbleLog", "ファイル %1 を読み込めません。%2")
                                  .arg(shown, why));
        if (!existing.startsWith(kLogMagic))
            //: %1 is the file chosen for the log
            throw ESorvoError(
                QCoreApplication::translate(
                    "TScrobbleLog",
                    "%1 はスクロブルログではないため、書き込みませんでした。別のファイルを指定してください")
                    .arg(shown));
        const QByteArray text = AppendToScrobbleLog(existing, db.FSongs, plays, &result.FAlreadyThere);
        result.FAppended = true;
        result.FAdded = int(plays.size()) - result.FAlreadyThere;
        if (result.FAdded > 0)
            SaveFileOrThrow(path, text);
        return result;
    }
    SaveFileOrThrow(path, ScrobbleLogText(db.FSongs, plays, u"Sorvo "_s + QString::fromUtf16(kSorvoVersion)));
    result.FAdded = int(plays.size());
    return result;
}

QString ScrobbleLogResultText(const TScrobbleLogResult &result, const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QString text = result.FAppended
                       //: %n is the number of plays, %1 the scrobble log that already existed
                       ? QCoreApplication::translate("TScrobbleLog", "%n 件の再生を %1 に追記しました",
                                                     nullptr, result.FAdded)
                             .arg(shown)
                       //: %n is the number of plays, %1 the scrobble log written
                       : QCoreApplication::translate("TScrobbleLog", "%n 件の再生を %1 に書き込みました",
                                                     nullptr, result.FAdded)
                             .arg(shown);
    if (result.FAlreadyThere > 0)
        //: Appended to the message above; %n is a number of plays
        text += QCoreApplication::translate("TScrobbleLog", " (ログにすでにある %n 件は加えていません)",
                                            nullptr, result.FAlreadyThere);
    return text;
}
