#pragma once

#include "app/messages.h"
#include "cli/clicommand.h"
#include "cli/consoleservices.h"
#include "pim/pimcommands.h"

#include <QList>
#include <QString>
#include <QStringList>

/// The player folders the notes, contacts and calendar commands work in.
struct TCliPlayerFolders
{
    QString FRoot;
    QString FNotes;
    QString FContacts;
    QString FCalendars;
};

/// Finds the player as every command does; raises ESorvoError when there is none.
TCliPlayerFolders LocatePlayerFolders(const TCliContext &context);
/// The folder, or ESorvoError when the player has none of that kind.
QString RequireFolder(const QString &folder);

/// The contact and calendar lists of the located player, reporting to the console.
struct TCliPimLists
{
    /// Finds the player; raises when it has no folder for the lists wanted (`calendars` or contacts).
    TCliPimLists(const TCliContext &context, bool calendars);

    TCliPlayerFolders FFolders;
    TConsoleMainServices FServices;
    TLagugae FMessages;
    TPimCommands FCommands;
};

class TPimListModel;
class TReportListModel;

/// Prints a list's rows as a table in the order it shows them, captions first, without the columns
/// given.
void PrintTable(const TReportListModel &model, const QList<int> &hidden = {});
/// Prints a list's rows in the order it shows them: as a table of its shown columns (captions first)
/// or, with --json, as objects keyed by every column's JSON key.
void PrintModel(const TPimListModel &model, bool json);
