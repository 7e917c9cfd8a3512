// sorvo-cli artwork: the song artwork database's pictures and their thumbnails.
#include "cli/clicommand.h"
#include "cli/cliplayer.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    return CliRunPictureDatabase(context, u"iPod_Control/Artwork/ArtworkDB"_s);
}

TCliCommand reg(u"artwork", u"アートワークの一覧 (--json)", Run);

} // namespace
