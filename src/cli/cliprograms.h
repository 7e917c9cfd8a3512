#pragma once

#include <QString>

/// Runs the whole command line as the full command set, sorvo-cli-full: this process becomes it
/// (a child whose exit code is returned, on Windows). Returns 1 with a message when it is missing.
int RunFullCommandSet(int argc, char **argv);

/// The folder of sorvo-cli as the full command set finds it from its own place: the same folder in
/// the build tree, the programs' folder of the installed tree. Empty when sorvo-cli is not there.
QString CliProgramFolder(const char *argv0);
