// sorvo-cli artwork: the song artwork database's pictures and their thumbnails.
#include "cli/clicommand.h"
#include "cli/cliplayer.h"
#include "session/playersession.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    context.Operands();
    TCliPlayer player(context);
    const TPlayerSession &session = player.Locate();
    player.RaiseMessages();
    CliPrintPictureDatabase(session.Artwork(), context.line.json);
    return 0;
}

TCliCommand reg({u"artwork", QT_TRANSLATE_NOOP("CliCommand", "アートワークの一覧"), "[--json]", true}, Run);

} // namespace
