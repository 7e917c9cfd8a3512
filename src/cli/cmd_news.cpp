// sorvo-cli news: the news site list of the settings file and the download onto the player.
#include "app/messages.h"
#include "app/settings.h"
#include "app/settingslock.h"
#include "app/userdialogs.h"
#include "cli/clicommand.h"
#include "cli/clidevice.h"
#include "cli/consoleprogress.h"
#include "cli/consoleservices.h"
#include "common/format.h"
#include "common/sorvoerror.h"
#include "news/newsdownloader.h"
#include "news/newssitemodel.h"
#include "session/playersession.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

namespace {

int SiteIndex(const TNewsSiteModel &list, const QString &name)
{
    const int index = list.IndexOfCaption(name);
    if (index < 0)
        throw ESorvoError(
            Format(QCoreApplication::translate("CliNews", "サイト[ %s ]は登録されていません"), {name}));
    return index;
}

void List(const TNewsSiteModel &list, bool json)
{
    if (json) {
        QJsonArray rows;
        for (const TSiteRow &row : list.Rows())
            rows.append(QJsonObject{{u"name"_s, row.FCaption},
                                    {u"address"_s, row.FAddress},
                                    {u"last_update"_s, row.FLastUpdate},
                                    {u"ticked"_s, row.FTicked}});
        CliJson(rows);
        return;
    }
    QList<QStringList> table{{u""_s, QCoreApplication::translate("CliNews", "サイト名"), u"URL"_s,
                              QCoreApplication::translate("CliNews", "最終更新")}};
    for (const TSiteRow &row : list.Rows())
        table.append({row.FTicked ? u"[x]"_s : u"[ ]"_s, row.FCaption, row.FAddress,
                      ShownLastUpdate(row.FLastUpdate)});
    CliTable(table);
}

// Writes the update times of the sites fetched now into the settings as they are on disk by then: other
// runs may have added or removed sites meanwhile, and their changes stay.
void StoreUpdateTimes(const QString &path, const QList<TSiteRow> &before, const QList<TSiteRow> &after)
{
    TSettingsLock lock(path);
    lock.Acquire();
    TKiruIPodINI disk(path);
    if (!disk.CanSave())
        return; // said at the start
    TNewsSiteModel merged;
    merged.LoadFromSettings(disk.FSiteList);
    for (qsizetype i = 0; i < after.size() && i < before.size(); ++i) {
        if (after[i].FLastUpdate == before[i].FLastUpdate)
            continue;
        for (int k = 0; k < merged.Count(); ++k)
            if (merged.Row(k).FCaption == after[i].FCaption && merged.Row(k).FAddress == after[i].FAddress)
                merged.SetLastUpdate(k, after[i].FLastUpdate);
    }
    merged.StoreToSettings(disk.FSiteList);
    disk.Save();
}

int Download(TCliContext &context, TKiruIPodINI &settings, TNewsSiteModel &list)
{
    const QList<TSiteRow> before = list.Rows();
    QList<TSiteRow> rows = before;
    TCliDevice device(context);
    device.FindPlayer();
    const QString notes = device.Player().FNotesDir;
    if (!device.Player().FHasNotes || notes.isEmpty())
        throw ESorvoError(TLagugae().GetText("MSG_RECG_FAL"));
    TNewsDownloader downloader(settings, context.dialogs);
    TConsoleMainServices services;
    try {
        downloader.Download(rows, notes, context.progress, &services);
    } catch (...) {
        // Rows stamped before the failure are kept, as when the window closes.
        if (settings.CanSave())
            StoreUpdateTimes(settings.FileName(), before, rows);
        throw;
    }
    if (settings.CanSave()) // a file that is not ours was named at start and is left alone
        StoreUpdateTimes(settings.FileName(), before, rows);
    for (const QString &file : downloader.FWrittenNotes)
        CliOut(QDir::toNativeSeparators(file) + u'\n');
    for (const QString &lost : downloader.FLostCharacters)
        CliErr(lost + u'\n');
    CliErr(QCoreApplication::translate("CliNews", "%n 件のメモを書き込みました", nullptr,
                                       int(downloader.FWrittenNotes.size())) +
           u'\n');
    if (const int signal = ConsoleStopSignal())
        return 128 + signal;
    return downloader.FFailures.isEmpty() ? 0 : 1; // each failure was named on the status line
}

int Run(TCliContext &context)
{
    const QString action = context.Operands(1, 3).first();
    const qsizetype wanted = action == u"add"_s                                                        ? 3
                             : (action == u"remove"_s || action == u"tick"_s || action == u"untick"_s) ? 2
                                                                                                       : 1;
    if (!QStringList{u"list"_s, u"add"_s, u"remove"_s, u"tick"_s, u"untick"_s, u"download"_s}.contains(
            action))
        throw ECliUsageError(QCoreApplication::translate("CliNews", "不明な操作です: %1").arg(action));
    const QStringList rest = context.Operands(wanted, wanted);
    if (context.line.json && action != u"list"_s)
        //: list is an argument of the news command, kept as it is
        throw ECliUsageError(QCoreApplication::translate("CliNews", "--json は list でのみ使えます"));

    // A change is made to the settings as they are on disk, and no other run writes between the reading
    // and the writing.
    TSettingsLock lock(context.SettingsFile());
    const bool changes = action != u"list"_s && action != u"download"_s;
    if (changes)
        lock.Acquire();
    TKiruIPodINI settings(context.SettingsFile());
    if (!settings.LoadWarning().isEmpty()) {
        CliErr(settings.LoadWarning() + u'\n');
        if (changes && !settings.CanSave())
            return 1; // the warning said why; the change cannot be kept
    }
    TNewsSiteModel list;
    list.LoadFromSettings(settings.FSiteList);
    if (action == u"list"_s) {
        List(list, context.line.json);
        return 0;
    }
    if (action == u"download"_s)
        return Download(context, settings, list);
    if (action == u"add"_s) {
        list.AddSite(rest[1], rest[2]);
    } else if (action == u"remove"_s) {
        if (!list.DeleteSite(SiteIndex(list, rest[1]), context.dialogs))
            return 1;
    } else {
        list.SetTicked(SiteIndex(list, rest[1]), action == u"tick"_s);
    }
    list.StoreToSettings(settings.FSiteList);
    settings.Save();
    return 0;
}

const TCliCommand
    reg({u"news", QT_TRANSLATE_NOOP("CliCommand", "ニュースサイトの一覧・登録・削除とダウンロード"),
         "list [--json] | add NAME ADDRESS | remove NAME | tick NAME | untick NAME | download", true},
        Run);

} // namespace
