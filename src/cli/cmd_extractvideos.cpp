// sorvo-cli extract-videos: copies videos of the player to a folder under names built from their tags.
#include "cli/cliextract.h"

namespace {
int Run(TCliContext &context)
{
    return RunExtractCommand(context, true);
}
TCliCommand reg({u"extract-videos", QT_TRANSLATE_NOOP("CliCommand", "ビデオをPCのフォルダに取り出します"),
                 "--to FOLDER [--artist-folders] [--album-folders] [--naming artist-title|title|keep] "
                 "[--listing] [--embed-tags] (--all | --search WORDS [--field artist|title|album|all] | "
                 "--artist NAME ...)",
                 false},
                Run);
} // namespace
