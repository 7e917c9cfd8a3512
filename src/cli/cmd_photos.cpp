// sorvo-cli photos: the photo database's albums, pictures and thumbnails.
#include "cli/clicommand.h"
#include "cli/cliplayer.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    context.Operands();
    TCliPlayer player(context);
    CliPrintPictureDatabase(player.LoadPhotos(), context.line.json);
    return 0;
}

TCliCommand
    reg({u"photos", QT_TRANSLATE_NOOP("CliCommand", "フォトのアルバムと画像の一覧"), "[--json]", true}, Run);

} // namespace
