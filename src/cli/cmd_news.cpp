// sorvo-cli news: the news site list of the settings file and the download onto the player.
#include "app/mainservices.h"
#include "app/messages.h"
#include "app/settings.h"
#include "app/sorvoerror.h"
#include "app/userdialogs.h"
#include "cli/clicommand.h"
#include "cli/clidevice.h"
#include "cli/consoleprogress.h"
#include "common/format.h"
#include "news/newsdownloader.h"
#include "news/newssitelist.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kUsage = u"使い方: sorvo-cli news list [--json] | add NAME ADDRESS | remove NAME | tick NAME | "
                       u"untick NAME | download [--drive DIR]"_s;

/// The CLI has no tabs to reload: the status line goes to standard error.
class TCliServices : public IMainServices
{
public:
    void SetStatusText(const QString &text) override { CliErr(text + u'\n'); }
    void ShowProgressText(int, int, const QString &) override {}
    void LoadTabData(int) override {}
    void ShowTransferLog() override {}
};

QString SettingsPath(const TCliContext &context)
{
    return context.line.settingsFile.isEmpty() ? TKiruIPodINI::DefaultPath() : context.line.settingsFile;
}

int SiteIndex(const TNewsSiteList &list, const QString &name)
{
    const int index = list.IndexOfCaption(name);
    if (index < 0)
        throw ESorvoError(Format(u"サイト[ %s ]は登録されていません"_s, {name}));
    return index;
}

void List(const TNewsSiteList &list, bool json)
{
    if (json) {
        QJsonArray rows;
        for (const TSiteRow &row : list.FRows)
            rows.append(QJsonObject{{u"name"_s, row.caption},
                                    {u"address"_s, row.address},
                                    {u"last_update"_s, row.lastUpdate},
                                    {u"ticked"_s, row.ticked}});
        CliJson(rows);
        return;
    }
    QList<QStringList> table{{u""_s, u"サイト名"_s, u"URL"_s, u"最終更新"_s}};
    for (const TSiteRow &row : list.FRows)
        table.append({row.ticked ? u"[x]"_s : u"[ ]"_s, row.caption, row.address, row.lastUpdate});
    CliTable(table);
}

int Download(TCliContext &context, TKiruIPodINI &settings, TNewsSiteList &list)
{
    TCliDevice device(context);
    device.Locate();
    const QString notes = device.FDevice->FChecker.FNotesDir;
    if (!device.FDevice->FChecker.FHasNotes || notes.isEmpty())
        throw ESorvoError(TLagugae().GetText("MSG_RECG_FAL"));
    TNewsDownloader downloader(settings, context.dialogs);
    TCliServices services;
    try {
        downloader.Download(list.FRows, notes, context.progress, &services);
    } catch (...) {
        // Rows stamped before the failure are kept, as when the window closes.
        list.StoreToSettings(settings.FSiteList);
        if (settings.CanSave())
            settings.Save();
        throw;
    }
    list.StoreToSettings(settings.FSiteList);
    if (settings.CanSave()) // a file that is not ours was named at start and is left alone
        settings.Save();
    for (const QString &file : downloader.FWrittenNotes)
        CliOut(QDir::toNativeSeparators(file) + u'\n');
    CliErr(Format(u"%d 件のメモを書き込みました\n"_s, {int(downloader.FWrittenNotes.size())}));
    if (const int signal = ConsoleStopSignal())
        return 128 + signal;
    return downloader.FFailures.isEmpty() ? 0 : 1; // each failure was named on the status line
}

int Run(TCliContext &context)
{
    const bool json = context.args.Flag(u"--json"_s);
    QString error;
    const QStringList rest = context.args.Rest(&error);
    if (!error.isEmpty())
        throw ESorvoError(error);
    const QString action = rest.value(0);
    const qsizetype wanted = action == u"add"_s                                                        ? 3
                             : (action == u"remove"_s || action == u"tick"_s || action == u"untick"_s) ? 2
                                                                                                       : 1;
    if (rest.size() != wanted ||
        !QStringList{u"list"_s, u"add"_s, u"remove"_s, u"tick"_s, u"untick"_s, u"download"_s}.contains(
            action)) {
        CliErr(kUsage + u'\n');
        return 2;
    }

    TKiruIPodINI settings(SettingsPath(context));
    if (!settings.LoadWarning().isEmpty())
        CliErr(settings.LoadWarning() + u'\n');
    TNewsSiteList list;
    list.LoadFromSettings(settings.FSiteList);
    if (action == u"list"_s) {
        List(list, json);
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
        list.FRows[SiteIndex(list, rest[1])].ticked = action == u"tick"_s;
    }
    list.StoreToSettings(settings.FSiteList);
    settings.Save();
    return 0;
}

const TCliCommand reg(u"news", u"ニュースサイトの一覧・登録・削除とダウンロード", Run);

} // namespace
