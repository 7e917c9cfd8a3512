// sorvo-cli songs: every entry of the player's song database, in database order.
#include "app/sorvoerror.h"
#include "cli/clicommand.h"
#include "cli/cliplayer.h"
#include "common/textutils.h"
#include "music/itunesdbloader.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

namespace {

QJsonObject SongJson(int index, const TITBSongItem &s)
{
    return QJsonObject{
        {u"index"_s, index},
        {u"title"_s, s.FTitle},
        {u"artist"_s, s.FArtist},
        {u"album"_s, s.FAlbum},
        {u"genre"_s, s.FGenre},
        {u"comment"_s, s.FComment},
        {u"composer"_s, s.FComposer},
        {u"grouping"_s, s.FGrouping},
        {u"kind"_s, s.FKind},
        {u"equalizer"_s, s.FEqualizer},
        {u"location"_s, s.FLocation},
        {u"size"_s, s.FSize},
        {u"length_ms"_s, s.FLength},
        {u"track_id"_s, s.FTrackID},
        {u"play_count"_s, s.FPlayCount},
        {u"sample_rate"_s, s.FSampleRate},
        {u"bit_rate"_s, s.FBitRate},
        {u"rating"_s, int(s.FRating)},
        {u"volume"_s, s.FVolume},
        {u"year"_s, s.FYear},
        {u"track_number"_s, s.FTrackNumber},
        {u"track_count"_s, s.FTrackCount},
        {u"disc_number"_s, s.FDiscNumber},
        {u"disc_count"_s, s.FDiscCount},
        {u"date_added"_s, CliJsonDateTime(s.FDateAdded)},
        {u"date_modified"_s, CliJsonDateTime(s.FDateModified)},
        {u"last_played"_s, CliJsonDateTime(s.FLastPlayed)},
        {u"dbid"_s, QString::number(s.FDBID)},
        {u"is_video"_s, s.FIsVideo},
    };
}

int Run(TCliContext &context)
{
    const bool json = context.args.Flag(u"--json"_s);
    const bool countOnly = context.args.Flag(u"--count"_s);
    CliCheckNoRest(context);
    TCliPlayer player(context);
    const TITBSongList &songs = player.Locate().FSongDB.FSongs;
    player.PrintMessages(); // the artwork database's, which do not concern the songs
    if (countOnly) {
        CliOut(QString::number(songs.Count()) + u'\n');
        return 0;
    }
    if (json) {
        QJsonArray out;
        for (int i = 0; i < songs.Count(); ++i)
            out.append(SongJson(i, songs.Items(i)));
        CliJson(out);
        return 0;
    }
    QList<QStringList> rows{
        {u"#"_s, u"タイトル"_s, u"アーティスト"_s, u"アルバム"_s, u"時間"_s, u"種類"_s, u"場所"_s}};
    for (int i = 0; i < songs.Count(); ++i) {
        const TITBSongItem &s = songs.Items(i);
        rows.append({QString::number(i), s.FTitle, s.FArtist, s.FAlbum, FormatDuration(s.FLength),
                     s.FIsVideo ? u"ビデオ"_s : u"曲"_s, s.FLocation});
    }
    CliTable(rows);
    return 0;
}

TCliCommand reg(u"songs", u"曲とビデオの一覧 (--json, --count)", Run);

} // namespace
