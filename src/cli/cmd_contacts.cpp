// sorvo-cli contacts: the contact cards on the player, sorted by name as the list starts.
#include "cli/clicommand.h"
#include "cli/pimcli.h"
#include "common/listsort.h"
#include "pim/pimcommands.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    context.Operands();
    TCliPimLists pim(context, false);
    QList<QStringList> rows = pim.FCommands.LoadContactList();
    const QStringList header{u"ファイル名"_s, u"名前"_s, u"コメント"_s};
    TListSortState(header, InitialSortState(ssAddress)).Sort(rows);
    PrintRows(header, {u"file"_s, u"name"_s, u"note"_s}, rows, context.line.json);
    return 0;
}

TCliCommand reg({u"contacts", u"プレーヤーのアドレス帳を一覧表示します", u"[--json]", true}, Run);

} // namespace
