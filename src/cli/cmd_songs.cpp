// sorvo-cli songs: every entry of the player's song database, in database order.
#include "cli/clicommand.h"
#include "cli/cliplayer.h"
#include "cli/clisongs.h"
#include "common/sorvoerror.h"
#include "music/songdb.h"
#include "session/playersession.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const bool countOnly = context.args.Flag(u"--count"_s);
    context.Operands();
    TCliPlayer player(context);
    const TPlayerSession &session = player.Locate();
    const TITBSongList &songs = session.Songs();
    player.PrintMessages(); // the artwork database's and the play history's, which do not stop the listing
    if (countOnly) {
        CliOut(QString::number(songs.Count()) + u'\n');
        return 0;
    }
    CliPrintSongs(songs, context.line.json, &session.SongDatabase().FRecordedPlays);
    return 0;
}

TCliCommand reg({u"songs", QT_TRANSLATE_NOOP("CliCommand", "曲とビデオの一覧"), "[--json] [--count]", true},
                Run);

} // namespace
