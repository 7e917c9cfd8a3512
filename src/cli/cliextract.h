#pragma once

#include "cli/clicommand.h"

/// sorvo-cli extract and extract-videos: the copy engine on the located player; `videos` picks the entries.
int RunExtractCommand(TCliContext &context, bool videos);
