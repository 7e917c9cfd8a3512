// sorvo-cli songs: every entry of the player's song database, in database order.
#include "common/sorvoerror.h"
#include "cli/clicommand.h"
#include "cli/cliplayer.h"
#include "cli/clisongs.h"
#include "music/songdb.h"
#include "session/playersession.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const bool countOnly = context.args.Flag(u"--count"_s);
    context.Operands();
    TCliPlayer player(context);
    const TITBSongList &songs = player.Locate().Songs();
    player.PrintMessages(); // the artwork database's, which do not concern the songs
    if (countOnly) {
        CliOut(QString::number(songs.Count()) + u'\n');
        return 0;
    }
    CliPrintSongs(songs, context.line.json);
    return 0;
}

TCliCommand reg({u"songs", u"曲とビデオの一覧", u"[--json] [--count]", true}, Run);

} // namespace
