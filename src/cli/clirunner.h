#pragma once

/// Runs the whole command line in the full command set (sorvo-cli becomes sorvo-cli-full, see
/// main.cpp); null in the full command set itself.
using TCliElsewhere = int (*)(int argc, char **argv);

/// Parses the command line, runs the command and returns the exit code: 0 done, 1 the work failed,
/// 2 the command line is wrong. Without a command, or for a command it does not hold, it hands the
/// whole command line to `elsewhere`.
int CliMain(int argc, char **argv, TCliElsewhere elsewhere);
