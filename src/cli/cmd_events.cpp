// sorvo-cli events / todos: the calendar entries on the player, in the lists' initial order.
#include "cli/clicommand.h"
#include "cli/pimcli.h"
#include "pim/pimlistmodels.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int List(TCliContext &context, bool tasks)
{
    context.Operands();
    TCliPimLists pim(context, true);
    // Sorted as the window's list starts; the stored start stays hidden in the table, as there.
    if (tasks) {
        TTodoListModel model;
        model.SetRows(pim.FCommands.LoadTaskList());
        PrintModel(model, context.line.json);
    } else {
        TCalendarListModel model;
        model.SetRows(pim.FCommands.LoadEventList());
        PrintModel(model, context.line.json);
    }
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

TCliCommand events({u"events", QT_TRANSLATE_NOOP("CliCommand", "プレーヤーのスケジュールを一覧表示します"),
                    "[--json]", true},
                   Events);
TCliCommand todos({u"todos", QT_TRANSLATE_NOOP("CliCommand", "プレーヤーのToDoを一覧表示します"), "[--json]",
                   true},
                  Todos);

} // namespace
