// sorvo-cli-full: every command of sorvo-cli, run by sorvo-cli for those it does not hold itself.
// It is installed apart from the programs (libexec/sorvo/), so it takes sorvo-cli's folder as its
// own: the settings file, the model data and the news work folder are the ones of the programs.
#include "cli/cliprograms.h"
#include "cli/clirunner.h"
#include "common/paths.h"

int main(int argc, char **argv)
{
    const QString programs = CliProgramFolder(argv[0]);
    if (!programs.isEmpty())
        SetProgramFolder(programs);
    return CliMain(argc, argv, nullptr);
}
