// sorvo-cli playlists: the playlists of the player's song database, or the songs of one in its order.
#include "cli/clicommand.h"
#include "cli/cliplayer.h"
#include "cli/clisongs.h"
#include "common/format.h"
#include "common/jsonwriter.h"
#include "common/sorvoerror.h"
#include "common/textutils.h"
#include "music/itunesdbloader.h"
#include "session/playersession.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

qint64 TotalLength(const TITBSongList &songs, const QList<int> &indexes)
{
    qint64 total = 0;
    for (const int i : indexes)
        total += songs.Items(i).FLength;
    return total;
}

void PrintPlayLists(const TITunesDBLoader &db, bool json)
{
    const TITBPlayLists &lists = db.FPlayLists;
    if (json) {
        TJsonWriter w;
        w.BeginArray();
        for (int i = 0; i < lists.Count(); ++i) {
            const TITBPlayListData &list = lists.Items(i);
            const QList<int> songs = PlayListSongIndexes(db.FSongs, list);
            w.BeginObject();
            w.Key(u"id"), w.Value(QString::number(list.FPersistentID));
            w.Key(u"index"), w.Value(i);
            w.Key(u"kind"), w.Value(PlayListKindName(lists, i));
            w.Key(u"length_ms"), w.Value(TotalLength(db.FSongs, songs));
            w.Key(u"name"), w.Value(list.FName);
            w.Key(u"parent_index"), w.Value(lists.ParentOf(i)); // the folder holding it, -1 at the top
            w.Key(u"song_count"), w.Value(int(songs.size()));
            w.EndObject();
        }
        w.EndArray();
        CliWriteBytes(w.Bytes());
        return;
    }
    QList<QStringList> rows{
        {u"#"_s, QCoreApplication::translate("CliPlaylists", "名前"),
         /*: Column: the playlist's kind */ QCoreApplication::translate("CliPlaylists", "種類"),
         QCoreApplication::translate("CliPlaylists", "曲数"),
         /*: Column: the total length */ QCoreApplication::translate("CliPlaylists", "時間")}};
    for (int i = 0; i < lists.Count(); ++i) {
        const QList<int> songs = PlayListSongIndexes(db.FSongs, lists.Items(i));
        // A playlist inside a folder is shown below it, indented by its depth.
        int depth = 0;
        for (int at = lists.ParentOf(i); at >= 0 && depth < lists.Count(); at = lists.ParentOf(at))
            ++depth;
        rows.append({QString::number(i), QString(depth * 2, u' ') + lists.Items(i).FName,
                     PlayListKindName(lists, i), QString::number(songs.size()),
                     FormatDuration(qint32(qMin<qint64>(TotalLength(db.FSongs, songs), INT_MAX)))});
    }
    CliTable(rows);
}

int Run(TCliContext &context)
{
    const QString position = context.args.Value(u"--index"_s);
    const QStringList operands = context.Operands(0, position.isEmpty() ? 1 : 0);
    TCliPlayer player(context);
    const TPlayerSession &session = player.Locate();
    player.PrintMessages();
    const TITunesDBLoader &db = session.SongDatabase();
    if (db.FEndedEarly)
        CliErr(EndedEarlyText(db.FSongs.Count()) + u'\n');
    if (operands.isEmpty() && position.isEmpty()) {
        PrintPlayLists(db, context.line.json);
        return 0;
    }
    const int found = position.isEmpty() ? CliPlayListByName(db.FPlayLists, operands.first(), u"--index"_s)
                                         : CliPlayListAt(db.FPlayLists, position);
    CliPrintPlayListSongs(db.FSongs, PlayListSongIndexes(db.FSongs, db.FPlayLists.Items(found)),
                          context.line.json, &db.FRecordedPlays);
    return 0;
}

TCliCommand reg({u"playlists", QT_TRANSLATE_NOOP("CliCommand", "プレイリストの一覧、またはプレイリストの曲"),
                 "[--json] [NAME | --index N]", true},
                Run);

} // namespace
