#pragma once

#include "cli/clicommand.h"
#include "common/datetime.h"

#include <QString>

class TArtworkDBLoader;
class TScriptedDialogs;

/// The player root the reading commands work on: the first --drive path, with a trailing "/".
QString CliPlayerRoot(const TCliContext &context);
/// A file below the player root, matched without regard to case; the plain join when missing.
QString CliPlayerFile(const QString &root, const QString &relative);
/// Loads a picture database whose loader reports to `dialogs`; a message box becomes an error
/// (standard error, exit code 1).
void CliLoadPictureDatabase(TArtworkDBLoader &loader, TScriptedDialogs &dialogs, const QString &path);
/// Prints a picture database: albums and items, as JSON ({"albums": [...], "items": [...]}) or tables.
void CliPrintPictureDatabase(const TArtworkDBLoader &loader, bool json);
/// Loads the picture database at `relative` below the first --drive and prints it.
int CliRunPictureDatabase(TCliContext &context, const QString &relative);
/// A date-time value as "YYYY-MM-DDTHH:MM:SS", rounded to the second, as stored (no zone).
QString CliJsonDateTime(TDateTime value);
/// Rejects options the command does not know.
void CliCheckNoRest(const TCliContext &context);
