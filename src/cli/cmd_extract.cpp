// sorvo-cli extract: copies songs of the player to a folder under names built from their tags.
#include "cli/cliextract.h"

namespace {
int Run(TCliContext &context)
{
    return RunExtractCommand(context, false);
}
TCliCommand reg({u"extract", u"曲をPCのフォルダに取り出します",
                 u"--to FOLDER [--artist-folders] [--album-folders] [--naming artist-title|title|keep] "
                 u"[--track-numbers] [--listing] [--embed-tags] (--all | --search WORDS [--field "
                 u"artist|title|album|all] | "
                 u"--artist NAME ... | --playlist NAME ... | --all-playlists)",
                 false},
                Run);
} // namespace
