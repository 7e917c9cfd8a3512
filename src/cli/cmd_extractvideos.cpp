// sorvo-cli extract-videos: copies videos of the player to a folder under names built from their tags.
#include "cli/cliextract.h"

namespace {
int Run(TCliContext &context)
{
    return RunExtractCommand(context, true);
}
TCliCommand reg(u"extract-videos", u"ビデオをPCのフォルダに取り出します", Run);
} // namespace
