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

/// Prints rows as a table (header first) or, with --json, as objects keyed by the JSON names.
void PrintRows(const QStringList &header, const QStringList &jsonKeys, const QList<QStringList> &rows,
               bool json);
