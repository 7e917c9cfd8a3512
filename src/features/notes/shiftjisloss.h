#pragma once

#include <QString>
#include <QStringList>

class IUserDialogs;

/// The characters as the messages name them: separated by blanks.
QString ShownCharacters(const QStringList &characters);
/// Before text goes onto the player in Shift-JIS: names the characters that will become "?" and asks
/// whether to save. True when nothing is lost or the user said Yes; No sends the user back to the text.
bool ConfirmShiftJisSave(IUserDialogs &dialogs, const QStringList &missing);
