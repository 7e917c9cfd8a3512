#include "cli/pimcli.h"

#include "app/messages.h"
#include "app/settings.h"
#include "app/sorvoerror.h"
#include "device/mplayerchecker.h"
#include "platform/drivetable.h"

#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

TCliPlayerFolders LocatePlayerFolders(const TCliContext &context)
{
    TSystemDriveTable drives(context.line.drives);
    TMPlayerChecker checker(drives);
    for (const QString &root : drives.Candidates()) {
        if (checker.CheckPlayer(root))
            return {checker.FRoot, checker.FNotesDir, checker.FContactsDir, checker.FCalendarsDir};
    }
    throw ESorvoError(TLagugae().GetText("MSG_RECG_FAL"));
}

QString RequireFolder(const QString &folder)
{
    if (folder.isEmpty())
        throw ESorvoError(u"このプレーヤーにはこの機能がありません"_s);
    return folder;
}

QString CliSettingsFile(const TCliContext &context)
{
    return context.line.settingsFile.isEmpty() ? TKiruIPodINI::DefaultPath() : context.line.settingsFile;
}

void TConsoleMainServices::SetStatusText(const QString &text)
{
    CliErr(text + u'\n');
}

void TConsoleMainServices::ShowProgressText(int position, int total, const QString &message)
{
    Q_UNUSED(position);
    Q_UNUSED(total);
    Q_UNUSED(message);
}

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
