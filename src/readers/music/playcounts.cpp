#include "music/playcounts.h"

#include "common/bytespan.h"
#include "common/format.h"
#include "music/songdb.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qint64 kHeaderFields = 16;      // mhdp: tag, header length, entry length, entry count
constexpr quint32 kMostEntries = 1000000; // beyond any player
constexpr qint64 kMostFileBytes = qint64(64) << 20;
constexpr qint32 kMostPlays = 100000; // of one song between two syncs: more is damage

QString DamagedText(const QString &why)
{
    return Format(QCoreApplication::translate(
                      "TPlayCounts", "再生回数のファイル (Play Counts) が壊れているので使いません。%s"),
                  {why});
}

} // namespace

void TPlayCounts::Clear()
{
    FEntries.clear();
    FWarning.clear();
}

void TPlayCounts::LoadFromFile(const QString &path)
{
    Clear();
    QFile file(path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        FWarning = Format(tr("再生回数のファイル (Play Counts) を開けません。%s"), {file.errorString()});
        return;
    }
    if (file.size() > kMostFileBytes) {
        FWarning = DamagedText(tr("大きすぎます"));
        return;
    }
    LoadFromBytes(file.readAll());
}

void TPlayCounts::LoadFromBytes(QByteArrayView data)
{
    Clear();
    const TByteSpan span(data);
    if (data.size() < kHeaderFields || data.first(4) != "mhdp") {
        FWarning = DamagedText(tr("ヘッダーが不正です"));
        return;
    }
    const quint32 headerLength = span.LEAt<quint32>(4);
    const quint32 entryLength = span.LEAt<quint32>(8);
    const quint32 count = span.LEAt<quint32>(12);
    // An entry holds at least the play count and the last play.
    if (headerLength < kHeaderFields || entryLength < 8 || count > kMostEntries) {
        FWarning = DamagedText(tr("ヘッダーが不正です"));
        return;
    }
    if (qint64(headerLength) + qint64(entryLength) * count > data.size()) {
        FWarning = DamagedText(tr("途中で終わっています"));
        return;
    }
    FEntries.reserve(qsizetype(count));
    for (quint32 i = 0; i < count; ++i) {
        // +0 plays, +4 last played, +8 bookmark, +12 rating, +16 unused, +20 skips, +24 last skipped.
        const qint64 at = qint64(headerLength) + qint64(i) * entryLength;
        TPlayCountEntry entry;
        entry.FPlays = span.LEAt<qint32>(at);
        entry.FLastPlayed = span.LEAt<quint32>(at + 4);
        if (entryLength >= 16)
            entry.FRating = quint8(std::min<quint32>(span.LEAt<quint32>(at + 12), 100));
        if (entryLength >= 28) {
            entry.FSkips = span.LEAt<qint32>(at + 20);
            entry.FLastSkipped = span.LEAt<quint32>(at + 24);
        }
        if (entry.FPlays < 0 || entry.FSkips < 0 || entry.FPlays > kMostPlays || entry.FSkips > kMostPlays) {
            Clear();
            FWarning = DamagedText(tr("回数が不正です"));
            return;
        }
        FEntries.append(entry);
    }
}

void TPlayCounts::ApplyTo(TITBSongList &songs)
{
    if (FEntries.isEmpty())
        return;
    if (FEntries.size() != songs.Count()) {
        // Written for another song database: the entries would go to the wrong songs.
        FWarning = Format(
            tr("再生回数のファイル (Play Counts) の曲数 (%d) が曲データベース (%d) と合わないので使いません"),
            {int(FEntries.size()), songs.Count()});
        FEntries.clear();
        return;
    }
    for (int i = 0; i < songs.Count(); ++i) {
        const TPlayCountEntry &entry = FEntries.at(i);
        TITBSongItem &song = songs.Items(i);
        song.FPlayCount += entry.FPlays;
        if (entry.FLastPlayed != 0)
            song.FLastPlayed = MacTimeToDateTime(entry.FLastPlayed);
        if (entry.FRating)
            song.FRating = *entry.FRating;
    }
}
