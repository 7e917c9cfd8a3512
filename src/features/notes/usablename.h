#pragma once

#include <QString>

/// True when a name made from user text can be one file name on the player: not empty, not "." or "..",
/// and free of the characters FAT refuses (\ / : * ? " < > | and control characters).
bool IsUsableFileName(const QString &name);
/// Raises ESorvoError "ファイル名[ %s ]は使えません" unless IsUsableFileName.
void CheckUsableFileName(const QString &name);
/// The refused characters become blanks (names of files brought from elsewhere).
QString BlankUnusableChars(const QString &name);
