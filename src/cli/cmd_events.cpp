// sorvo-cli events / todos: the calendar entries on the player, in the lists' initial order.
#include "cli/clicommand.h"
#include "cli/pimcli.h"
#include "common/listsort.h"
#include "pim/pimcommands.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int List(TCliContext &context, bool tasks)
{
    context.Operands();
    TCliPimLists pim(context, true);
    QList<QStringList> rows = tasks ? pim.FCommands.LoadTaskList() : pim.FCommands.LoadEventList();
    const QStringList header =
        tasks ? QStringList{u"タスクの名前"_s, u"Date"_s, u"期限"_s, u"説明"_s, u"ファイル名"_s}
              : QStringList{u"タイトル"_s, u"日付"_s, u"日時"_s, u"コメント"_s, u"ファイル名"_s};
    TListSortState(header, InitialSortState(tasks ? ssTodo : ssCalendar)).Sort(rows);
    if (context.line.json) {
        PrintRows(header, {u"summary"_s, u"dtstart"_s, u"shown"_s, u"description"_s, u"file"_s}, rows, true);
        return 0;
    }
    // The stored start stays hidden, as in the window.
    QList<QStringList> shown;
    for (QStringList row : rows) {
        row.removeAt(pcHiddenStart);
        shown.append(row);
    }
    QStringList visible = header;
    visible.removeAt(pcHiddenStart);
    PrintRows(visible, {}, shown, false);
    return 0;
}

int Events(TCliContext &context)
{
    return List(context, false);
}

int Todos(TCliContext &context)
{
    return List(context, true);
}

TCliCommand events({u"events", u"プレーヤーのスケジュールを一覧表示します", u"[--json]", true}, Events);
TCliCommand todos({u"todos", u"プレーヤーのToDoを一覧表示します", u"[--json]", true}, Todos);

} // namespace
