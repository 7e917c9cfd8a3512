#include "cli/pimcli.h"

#include "cli/clidevice.h"
#include "common/sorvoerror.h"
#include "pim/pimlistmodels.h"
#include "session/playersession.h"

#include <QCoreApplication>
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
        throw ESorvoError(QCoreApplication::translate("CliPim", "このプレーヤーにはこの機能がありません"));
    return folder;
}

TCliPimLists::TCliPimLists(const TCliContext &context, bool calendars)
    : FFolders(LocatePlayerFolders(context)),
      FCommands(calendars ? FFolders.FContacts : RequireFolder(FFolders.FContacts),
                calendars ? RequireFolder(FFolders.FCalendars) : FFolders.FCalendars, context.dialogs,
                &FServices, &FMessages)
{}

void PrintTable(const TReportListModel &model, const QList<int> &hidden)
{
    const auto shownRow = [&](const std::function<QString(int)> &text) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            if (!hidden.contains(column))
                cells.append(text(column));
        return cells;
    };
    // The captions without the sort arrow the window's header shows.
    QList<QStringList> table{shownRow([&](int column) { return model.ColumnCaption(column); })};
    for (int row = 0; row < model.rowCount(); ++row)
        table.append(shownRow([&](int column) { return model.index(row, column).data().toString(); }));
    CliTable(table);
}

void PrintModel(const TPimListModel &model, bool json)
{
    if (!json) {
        PrintTable(model, model.HiddenColumns());
        return;
    }
    QJsonArray array;
    for (int row = 0; row < model.rowCount(); ++row) {
        QJsonObject object;
        for (int column = 0; column < model.columnCount(); ++column)
            object.insert(model.headerData(column, Qt::Horizontal, TPimListModel::KeyRole).toString(),
                          model.index(row, column).data().toString());
        array.append(object);
    }
    CliJson(array);
}
