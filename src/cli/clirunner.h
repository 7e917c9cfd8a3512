#pragma once

/// Runs the whole command line as the program's own: another part of the program that holds the
/// commands not built in here (see main.cpp); null where every command is built in.
using TCliElsewhere = int (*)(int argc, char **argv);

/// Parses the command line, runs the command and returns the exit code: 0 done, 1 the work failed,
/// 2 the command line is wrong. Without a command, or for a command it does not hold, it hands the
/// whole command line to `elsewhere`.
int CliMain(int argc, char **argv, TCliElsewhere elsewhere);
