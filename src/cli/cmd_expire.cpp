// sorvo-cli expire: deletes events or tasks whose start has passed.
#include "app/messages.h"
#include "cli/clicommand.h"
#include "cli/pimcli.h"
#include "pim/listsort.h"
#include "pim/pimcommands.h"

#include <QDateTime>

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const QString before = context.args.Value(u"--before"_s);
    QString error;
    const QStringList rest = context.args.Rest(&error);
    const QString what = rest.value(0);
    if (!error.isEmpty() || rest.size() != 1 || (what != u"events"_s && what != u"todos"_s)) {
        CliErr((error.isEmpty() ? u"使い方: expire events|todos [--before \"YYYY-MM-DD HH:MM\"]"_s : error) +
               u'\n');
        return 2;
    }
    TDateTime threshold = NowDateTime();
    if (!before.isEmpty()) {
        const QDateTime at = QDateTime::fromString(before, u"yyyy-MM-dd HH:mm"_s);
        if (!at.isValid()) {
            CliErr(u"--before は \"YYYY-MM-DD HH:MM\" の形式で指定してください\n"_s);
            return 2;
        }
        threshold = QDateTimeToDateTime(at);
    }
    const bool tasks = what == u"todos"_s;
    const TCliPlayerFolders folders = LocatePlayerFolders(context);
    TConsoleMainServices services;
    TLagugae messages;
    TPimCommands commands(folders.contacts, RequireFolder(folders.calendars), context.dialogs, &services,
                          &messages);
    QList<QStringList> rows = tasks ? commands.LoadTaskList() : commands.LoadEventList();
    TListSortState({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}, InitialSortState(tasks ? ssTodo : ssCalendar))
        .Sort(rows);
    QStringList unreadable;
    const QStringList names = TPimCommands::ExpiredEntries(rows, threshold, &unreadable);
    for (const QString &name : names)
        CliOut(name + u'\n');
    const int deleted = commands.DeleteExpired(tasks ? 1 : 0, rows, threshold);
    // A file that could not be judged is a job not done, though the others were expired.
    return deleted == names.size() && unreadable.isEmpty() ? 0 : 1;
}

TCliCommand reg(u"expire",
                u"経過済みのスケジュールかToDoを削除します events|todos [--before \"YYYY-MM-DD HH:MM\"]",
                Run);

} // namespace
