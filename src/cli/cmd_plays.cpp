// sorvo-cli plays: what the player recorded since the last sync, listed or written as a scrobble log.
#include "cli/clicommand.h"
#include "cli/cliplayer.h"
#include "cli/clisongs.h"
#include "common/jsonwriter.h"
#include "common/sorvoerror.h"
#include "music/itunesdbloader.h"
#include "music/scrobblelog.h"
#include "session/playersession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

void PrintPlays(const TITBSongList &songs, const QList<TRecordedPlay> &plays, bool json)
{
    if (json) {
        TJsonWriter w;
        w.BeginArray();
        for (const TRecordedPlay &play : plays) {
            const TITBSongItem &s = songs.Items(play.FSong);
            w.BeginObject();
            w.Key(u"artist"), w.Value(s.Artist());
            w.Key(u"index"), w.Value(play.FSong);
            w.Key(u"time"),
                w.Value(QDateTime::fromSecsSinceEpoch(play.FUnixTime, Qt::UTC).toString(Qt::ISODate));
            w.Key(u"title"), w.Value(s.Title());
            w.Key(u"unix_time"), w.Value(play.FUnixTime);
            w.EndObject();
        }
        w.EndArray();
        CliWriteBytes(w.Bytes());
        return;
    }
    QList<QStringList> rows{
        {/*: Column: when the song was played */ QCoreApplication::translate("CliPlays", "日時"),
         QCoreApplication::translate("CliPlays", "タイトル"),
         QCoreApplication::translate("CliPlays", "アーティスト")}};
    for (const TRecordedPlay &play : plays) {
        const TITBSongItem &s = songs.Items(play.FSong);
        rows.append({QDateTime::fromSecsSinceEpoch(play.FUnixTime).toString(u"yyyy-MM-dd HH:mm:ss"_s),
                     s.Title(), s.Artist()});
    }
    CliTable(rows);
}

int Run(TCliContext &context)
{
    const QString logFile = context.args.Value(u"--scrobble-log"_s);
    context.Operands();
    TCliPlayer player(context);
    const TPlayerSession &session = player.Locate();
    player.PrintMessages(); // a damaged play history's warning among them
    const TITunesDBLoader &db = session.SongDatabase();
    int untimed = 0;
    const QList<TRecordedPlay> plays = RecordedPlays(db.FSongs, db.FRecordedPlays, &untimed);
    if (untimed > 0)
        CliErr(QCoreApplication::translate("CliPlays", "再生日時のない %n 曲の再生は含めていません", nullptr,
                                           untimed) +
               u'\n');
    if (logFile.isEmpty()) {
        PrintPlays(db.FSongs, plays, context.line.json);
        // The warning above said why the list is empty: not a success.
        return db.FRecordedPlays.FWarning.isEmpty() ? 0 : 1;
    }
    const QString path = QFileInfo(QDir::fromNativeSeparators(logFile)).absoluteFilePath();
    // An existing log is added to: a second run does not write the same plays again.
    CliErr(ScrobbleLogResultText(WriteScrobbleLog(path, db, session.Player().FRoot), path) + u'\n');
    return 0;
}

TCliCommand
    reg({u"plays",
         QT_TRANSLATE_NOOP("CliCommand",
                           "前回の同期からの再生の一覧、またはスクロブルログ (.scrobbler.log) の書き出し"),
         "[--json] [--scrobble-log FILE]", true},
        Run);

} // namespace
