#include "cli/pimcli.h"

#include "app/sorvoerror.h"
#include "cli/clidevice.h"
#include "session/playersession.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

TCliPlayerFolders LocatePlayerFolders(const TCliContext &context)
{
    TCliDevice device(context);
    device.FindPlayer();
    const TPlayerInfo &c = device.Player();
    return {c.FRoot, c.FNotesDir, c.FContactsDir, c.FCalendarsDir};
}

QString RequireFolder(const QString &folder)
{
    if (folder.isEmpty())
        throw ESorvoError(u"このプレーヤーにはこの機能がありません"_s);
    return folder;
}

TCliPimLists::TCliPimLists(const TCliContext &context, bool calendars)
    : FFolders(LocatePlayerFolders(context)),
      FCommands(calendars ? FFolders.FContacts : RequireFolder(FFolders.FContacts),
                calendars ? RequireFolder(FFolders.FCalendars) : FFolders.FCalendars, context.dialogs,
                &FServices, &FMessages)
{}

void PrintRows(const QStringList &header, const QStringList &jsonKeys, const QList<QStringList> &rows,
               bool json)
{
    if (json) {
        QJsonArray array;
        for (const QStringList &row : rows) {
            QJsonObject object;
            for (qsizetype i = 0; i < jsonKeys.size(); ++i)
                object.insert(jsonKeys.at(i), row.value(i));
            array.append(object);
        }
        CliJson(array);
        return;
    }
    QList<QStringList> table{header};
    table.append(rows);
    CliTable(table);
}
