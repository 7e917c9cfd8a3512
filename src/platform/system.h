#pragma once

#include <QString>

/// True when the system reports a network as reachable (also when it cannot tell).
bool IsOnline();
/// The system's text for an errno value.
QString SystemErrorText(int code);
