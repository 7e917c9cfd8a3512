// sorvo-cli expire: deletes events or tasks whose start has passed.
#include "cli/clicommand.h"
#include "cli/pimcli.h"
#include "pim/pimcommands.h"
#include "pim/pimlistmodels.h"

#include <QCoreApplication>
#include <QDateTime>

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const QString before = context.args.Value(u"--before"_s);
    const QString what = context.Operands(1, 1).first();
    if (what != u"events"_s && what != u"todos"_s)
        //: events and todos are the command's arguments, kept as they are
        throw ECliUsageError(
            QCoreApplication::translate("CliExpire", "events か todos を指定してください: %1").arg(what));
    TDateTime threshold = NowDateTime();
    if (!before.isEmpty()) {
        const QDateTime at = QDateTime::fromString(before, u"yyyy-MM-dd HH:mm"_s);
        if (!at.isValid())
            throw ECliUsageError(QCoreApplication::translate(
                "CliExpire", "--before は \"YYYY-MM-DD HH:MM\" の形式で指定してください"));
        threshold = QDateTimeToDateTime(at);
    }
    const bool tasks = what == u"todos"_s;
    TCliPimLists pim(context, true);
    // In the order the window's list shows them.
    TCalendarListModel events;
    TTodoListModel todos;
    if (tasks)
        todos.SetRows(pim.FCommands.LoadTaskList());
    else
        events.SetRows(pim.FCommands.LoadEventList());
    const QStringList files = tasks ? todos.FilesInOrder() : events.FilesInOrder();
    const TPimCommands::TExpiredScan scan = pim.FCommands.ScanExpired(files, threshold);
    for (const QString &name : scan.FExpired)
        CliOut(name + u'\n');
    const int deleted =
        pim.FCommands.DeleteExpired(tasks ? TCalendarList::Tasks : TCalendarList::Events, files, threshold);
    // A file that could not be judged is a job not done, though the others were expired; a file kept
    // because part of it is still to come was judged rightly and is named in the warning.
    return deleted == scan.FExpired.size() && scan.FUnreadable.isEmpty() ? 0 : 1;
}

TCliCommand reg({u"expire", QT_TRANSLATE_NOOP("CliCommand", "経過済みのスケジュールかToDoを削除します"),
                 "events|todos [--before \"YYYY-MM-DD HH:MM\"]", false},
                Run);

} // namespace
