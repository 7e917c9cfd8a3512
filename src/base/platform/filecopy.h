#pragma once

#include <QString>

/// True when something (a file, a folder, a dangling link) stands at the path.
bool PathTaken(const QString &path);
/// Puts `from` in place as `to` unless something stands at `to` (EEXIST); 0 or the system's error.
int RenameNoReplace(const char *from, const char *to);
int RenameNoReplace(const QString &from, const QString &to);
/// Copies a file without ever replacing an existing one; the copy is an ordinary writable file.
/// Returns 0 or the system's error code; a partial copy is removed.
int CopyFileNoOverwrite(const QString &from, const QString &to);
