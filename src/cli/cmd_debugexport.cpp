// sorvo-cli debug-export: copies of the player's databases and reports on them, for a bug report.
#include "cli/clicommand.h"
#include "cli/clidevice.h"
#include "common/format.h"
#include "device/debugexport.h"
#include "session/playersession.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    TCliArgs &args = context.args;
    const QString to = args.Value(u"--to"_s);
    TDebugExportChoice choice;
    choice.songDB = args.Flag(u"--song-db"_s);
    choice.artworkDB = args.Flag(u"--artwork-db"_s);
    choice.photoDB = args.Flag(u"--photo-db"_s);
    choice.artworkInfo = args.Flag(u"--artwork-info"_s);
    choice.photoInfo = args.Flag(u"--photo-info"_s);
    choice.folderReport = args.Flag(u"--folder-report"_s);
    choice.deviceReport = args.Flag(u"--device-report"_s);
    context.Operands();
    const QString folder = CliDestinationFolder(to);
    if (!(choice.songDB || choice.artworkDB || choice.photoDB || choice.artworkInfo || choice.photoInfo ||
          choice.folderReport || choice.deviceReport))
        choice = TDebugExportChoice::All();
    if (!QDir().mkpath(folder))
        throw ESorvoError(
            Format(QCoreApplication::translate("CliDebugExport", "フォルダ %s を作成できません"),
                   {QDir::toNativeSeparators(folder)}));

    TCliDevice device(context);
    device.Locate();
    const TPlayerSession &session = device.Session();
    const QStringList written =
        ExportDebugData({session.Player(), session.Songs(), session.Artwork(), nullptr}, choice, folder);
    for (const QString &file : written)
        CliOut(QDir::toNativeSeparators(file) + u'\n');
    CliErr(QCoreApplication::translate("CliDebugExport", "%n 個のファイルを書き出しました", nullptr,
                                       int(written.size())) +
           u'\n');
    return 0;
}

TCliCommand reg(
    {u"debug-export",
     QT_TRANSLATE_NOOP("CliCommand", "不具合の報告用にデータベースと情報をフォルダに書き出します"),
     QT_TRANSLATE_NOOP("CliCommand",
                       "--to FOLDER [--song-db] [--artwork-db] [--photo-db] [--artwork-info] [--photo-info] "
                       "[--folder-report] [--device-report] (指定がなければすべて)"),
     false},
    Run);

} // namespace
