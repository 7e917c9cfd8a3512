#pragma once

/// True when the system reports a network as reachable (also when it cannot tell).
bool IsOnline();
