#include "cli/clisongs.h"

#include "cli/clicommand.h"
#include "common/format.h"
#include "common/jsonwriter.h"
#include "common/textutils.h"
#include "music/playcounts.h"
#include "music/songdb.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cmath>
#include <numeric>

using namespace Qt::Literals::StringLiterals;

QString CliJsonDateTime(TDateTime value)
{
    const qint64 seconds = std::llround(value * 86400.0);
    const qint64 days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const QDate date = QDate(1899, 12, 30).addDays(days);
    const qint64 inDay = seconds - days * 86400;
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (year < 1 || year > 9999) // outside four digits: Qt's own spelling
        return QDateTime(date, QTime(0, 0), Qt::UTC).addSecs(inDay).toString(u"yyyy-MM-ddTHH:mm:ss"_s);
    // Listings print three dates per song: formatted by hand, not through a format string.
    char16_t text[19];
    const auto put = [&text](int at, int digits, qint64 v) {
        for (int i = at + digits - 1; i >= at; --i, v /= 10)
            text[i] = char16_t(u'0' + v % 10);
    };
    put(0, 4, year);
    text[4] = u'-';
    put(5, 2, month);
    text[7] = u'-';
    put(8, 2, day);
    text[10] = u'T';
    put(11, 2, inDay / 3600);
    text[13] = u':';
    put(14, 2, inDay / 60 % 60);
    text[16] = u':';
    put(17, 2, inDay % 60);
    return QString(reinterpret_cast<const QChar *>(text), 19);
}

namespace {
// One song as a JSON object, members in key order (the order the listing always had).
void WriteSongJson(TJsonWriter &w, int index, const TITBSongItem &s, const TPlayCountEntry &recorded,
                   int position)
{
    w.BeginObject();
    w.Key(u"album"), w.Value(s.Album());
    w.Key(u"artist"), w.Value(s.Artist());
    w.Key(u"bit_rate"), w.Value(s.FBitRate);
    w.Key(u"comment"), w.Value(s.Comment());
    w.Key(u"composer"), w.Value(s.Composer());
    w.Key(u"date_added"), w.Value(CliJsonDateTime(s.FDateAdded));
    w.Key(u"date_modified"), w.Value(CliJsonDateTime(s.FDateModified));
    w.Key(u"dbid"), w.Value(QString::number(s.FDBID));
    w.Key(u"disc_count"), w.Value(s.FDiscCount);
    w.Key(u"disc_number"), w.Value(s.FDiscNumber);
    w.Key(u"equalizer"), w.Value(s.Equalizer());
    w.Key(u"genre"), w.Value(s.Genre());
    w.Key(u"grouping"), w.Value(s.Grouping());
    w.Key(u"index"), w.Value(index);
    w.Key(u"is_video"), w.Value(s.FIsVideo);
    w.Key(u"kind"), w.Value(s.Kind());
    w.Key(u"last_played"), w.Value(CliJsonDateTime(s.FLastPlayed));
    w.Key(u"length_ms"), w.Value(s.FLength);
    w.Key(u"location"), w.Value(s.Location());
    w.Key(u"play_count"), w.Value(s.FPlayCount);
    if (position > 0)
        w.Key(u"position"), w.Value(position);
    w.Key(u"rating"), w.Value(int(s.FRating));
    w.Key(u"recorded_plays"), w.Value(recorded.FPlays); // since the last sync, within play_count
    w.Key(u"recorded_skips"), w.Value(recorded.FSkips);
    w.Key(u"sample_rate"), w.Value(s.FSampleRate);
    w.Key(u"size"), w.Value(s.FSize);
    w.Key(u"title"), w.Value(s.Title());
    w.Key(u"track_count"), w.Value(s.FTrackCount);
    w.Key(u"track_id"), w.Value(s.FTrackID);
    w.Key(u"track_number"), w.Value(s.FTrackNumber);
    w.Key(u"volume"), w.Value(s.FVolume);
    w.Key(u"year"), w.Value(s.FYear);
    w.EndObject();
}

} // namespace

namespace {
/// Songs by index (in the order given), numbered by `position` from 1 when `numbered`, else by index.
void PrintRows(const TITBSongList &songs, const QList<int> &indexes, bool numbered, bool json,
               const TPlayCounts *recorded)
{
    const bool haveRecorded = recorded && recorded->FEntries.size() == songs.Count();
    if (json) {
        // Written as it goes: a document of 65,000 songs built first would take longer than reading them.
        TJsonWriter w;
        w.BeginArray();
        for (int row = 0; row < indexes.size(); ++row) {
            const int i = indexes[row];
            WriteSongJson(w, i, songs.Items(i), haveRecorded ? recorded->FEntries.at(i) : TPlayCountEntry(),
                          numbered ? row + 1 : 0);
        }
        w.EndArray();
        CliWriteBytes(w.Bytes());
        return;
    }
    QList<QStringList> rows{
        {u"#"_s, QCoreApplication::translate("CliSongs", "タイトル"),
         QCoreApplication::translate("CliSongs", "アーティスト"),
         QCoreApplication::translate("CliSongs", "アルバム"),
         /*: Column: the length */ QCoreApplication::translate("CliSongs", "時間"),
         /*: Column: song or video */ QCoreApplication::translate("CliSongs", "種類"),
         /*: Column: the file's place on the player */ QCoreApplication::translate("CliSongs", "場所")}};
    for (int row = 0; row < indexes.size(); ++row) {
        const TITBSongItem &s = songs.Items(indexes[row]);
        rows.append({QString::number(numbered ? row + 1 : indexes[row]), s.Title(), s.Artist(), s.Album(),
                     FormatDuration(s.FLength),
                     s.FIsVideo
                         ? QCoreApplication::translate("CliSongs", "ビデオ")
                         : /*: The kind column's value */ QCoreApplication::translate("CliSongs", "曲"),
                     s.Location()});
    }
    CliTable(rows);
}
} // namespace

void CliPrintSongs(const TITBSongList &songs, bool json, const TPlayCounts *recorded)
{
    QList<int> all(songs.Count());
    std::iota(all.begin(), all.end(), 0);
    PrintRows(songs, all, false, json, recorded);
}

void CliPrintPlayListSongs(const TITBSongList &songs, const QList<int> &indexes, bool json,
                           const TPlayCounts *recorded)
{
    PrintRows(songs, indexes, true, json, recorded);
}

int CliPlayListByName(const TITBPlayLists &lists, const QString &name, const QString &positionOption)
{
    const QList<int> found = lists.FindAll(name);
    if (found.isEmpty())
        throw ESorvoError(Format(
            QCoreApplication::translate("CliPlaylists", "プレイリスト \"%s\" は見つかりません"), {name}));
    if (found.size() > 1) {
        QStringList positions;
        for (const int i : found)
            positions.append(QString::number(i));
        //: The name, the positions shown by "sorvo-cli playlists", the option that takes a position
        throw ESorvoError(Format(
            QCoreApplication::translate("CliPlaylists", "プレイリスト \"%s\" は複数あります (番号 %s)。%s "
                                                        "で番号を指定してください"),
            {name, positions.join(u", "_s), positionOption}));
    }
    return found.first();
}

int CliPlayListAt(const TITBPlayLists &lists, const QString &position)
{
    bool ok = false;
    const int i = position.toInt(&ok);
    if (!ok || i < 0 || i >= lists.Count())
        //: %s is the position given; %d the highest one
        throw ECliUsageError(
            Format(QCoreApplication::translate("CliPlaylists",
                                               "番号 %s のプレイリストはありません (0 から %d まで)"),
                   {position, lists.Count() - 1}));
    return i;
}
