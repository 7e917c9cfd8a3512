// sorvo-cli photos: the photo database's albums, pictures and thumbnails.
#include "cli/clicommand.h"
#include "cli/cliplayer.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const bool json = context.args.Flag(u"--json"_s);
    CliCheckNoRest(context);
    TCliPlayer player(context);
    CliPrintPictureDatabase(player.LoadPhotos(), json);
    return 0;
}

TCliCommand reg(u"photos", u"フォトのアルバムと画像の一覧 (--json)", Run);

} // namespace
