#pragma once

#include <functional>

class IUserDialogs;

/// Runs a command of a window so that no error crosses the event loop: the message of an error it raises
/// is shown in an error box and the window stays usable. Returns false when the command failed.
bool RunGuarded(IUserDialogs &dialogs, const std::function<void()> &command);
