// sorvo-cli contacts: the contact cards on the player, sorted by name as the list starts.
#include "app/messages.h"
#include "cli/clicommand.h"
#include "cli/pimcli.h"
#include "common/listsort.h"
#include "pim/pimcommands.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const bool json = context.args.Flag(u"--json"_s);
    QString error;
    if (!context.args.Rest(&error).isEmpty() || !error.isEmpty()) {
        CliErr((error.isEmpty() ? u"引数が多すぎます"_s : error) + u'\n');
        return 2;
    }
    const TCliPlayerFolders folders = LocatePlayerFolders(context);
    TConsoleMainServices services;
    TLagugae messages;
    TPimCommands commands(RequireFolder(folders.contacts), folders.calendars, context.dialogs, &services,
                          &messages);
    QList<QStringList> rows = commands.LoadContactList();
    const QStringList header{u"ファイル名"_s, u"名前"_s, u"コメント"_s};
    TListSortState(header, InitialSortState(ssAddress)).Sort(rows);
    PrintRows(header, {u"file"_s, u"name"_s, u"note"_s}, rows, json);
    return 0;
}

TCliCommand reg(u"contacts", u"プレーヤーのアドレス帳を一覧表示します [--json]", Run);

} // namespace
