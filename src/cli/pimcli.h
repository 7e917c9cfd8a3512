#pragma once

#include "app/mainservices.h"
#include "cli/clicommand.h"

#include <QJsonArray>
#include <QList>
#include <QString>
#include <QStringList>

/// The player folders the notes, contacts and calendar commands work in.
struct TCliPlayerFolders
{
    QString root;
    QString notes;
    QString contacts;
    QString calendars;
};

/// Finds the player on the --drive roots (else the removable volumes); raises ESorvoError when none.
TCliPlayerFolders LocatePlayerFolders(const TCliContext &context);
/// The folder, or ESorvoError when the player has none of that kind.
QString RequireFolder(const QString &folder);
/// The settings file of --settings, else the default one.
QString CliSettingsFile(const TCliContext &context);

/// The main window's services for the command line: status texts go to standard error.
class TConsoleMainServices : public IMainServices
{
public:
    void SetStatusText(const QString &text) override;
    void ShowProgressText(int position, int total, const QString &message) override;
    void LoadTabData(TTabCode) override {}
    void ShowTransferLog() override {}
};

/// Prints rows as a table (header first) or, with --json, as objects keyed by the JSON names.
void PrintRows(const QStringList &header, const QStringList &jsonKeys, const QList<QStringList> &rows,
               bool json);
