// The module with every command of sorvo-cli, loaded by the program for the commands it does not
// hold itself (see main.cpp).
#include "cli/clirunner.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int SorvoCliMain(int argc, char **argv)
{
    return CliMain(argc, argv, nullptr);
}
