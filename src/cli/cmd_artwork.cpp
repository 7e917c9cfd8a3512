// sorvo-cli artwork: the song artwork database's pictures and their thumbnails.
#include "cli/clicommand.h"
#include "cli/cliplayer.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const bool json = context.args.Flag(u"--json"_s);
    CliCheckNoRest(context);
    TCliPlayer player(context);
    const TKiruIPOD &device = player.Locate();
    player.RaiseMessages();
    CliPrintPictureDatabase(device.FArtworkDB, json);
    return 0;
}

TCliCommand reg(u"artwork", u"アートワークの一覧 (--json)", Run);

} // namespace
