// sorvo-cli extract: copies songs of the player to a folder under names built from their tags.
#include "cli/cliextract.h"

namespace {
int Run(TCliContext &context)
{
    return RunExtractCommand(context, false);
}
TCliCommand reg({u"extract", QT_TRANSLATE_NOOP("CliCommand", "曲をPCのフォルダに取り出します"),
                 "--to FOLDER [--artist-folders] [--album-folders] [--naming artist-title|title|keep] "
                 "[--track-numbers] [--listing] [--embed-tags] (--all | --search WORDS [--field "
                 "artist|title|album|all] | "
                 "--artist NAME ... | --playlist NAME ... | --playlist-index N ... | --all-playlists)",
                 false},
                Run);
} // namespace
