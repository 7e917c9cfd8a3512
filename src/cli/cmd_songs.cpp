// sorvo-cli songs: every entry of the player's song database, in database order.
#include "app/sorvoerror.h"
#include "cli/clicommand.h"
#include "cli/cliplayer.h"
#include "music/itunesdbloader.h"

using namespace Qt::Literals::StringLiterals;

namespace {

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
    CliPrintSongs(songs, json);
    return 0;
}

TCliCommand reg(u"songs", u"曲とビデオの一覧 (--json, --count)", Run);

} // namespace
