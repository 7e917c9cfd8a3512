// sorvo-cli: Sorvo's jobs from the command line, over the same core as the window.
//
// This program holds only the commands that read plain files (the music folder scan, the tags of a
// file), so that they start with Qt Core alone: the picture, window-system and network libraries
// take longer to load than a scan of thousands of files. For every other command, and for the list
// of all of them, it becomes the full command set, sorvo-cli-full (fullmain.cpp), with the same
// command line.
#include "cli/cliprograms.h"
#include "cli/clirunner.h"

int main(int argc, char **argv)
{
    return CliMain(argc, argv, RunFullCommandSet);
}
