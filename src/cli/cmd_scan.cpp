// sorvo-cli scan: the songs a music folder scan finds on a player without a song database.
#include "cli/clicommand.h"
#include "cli/clisongs.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "music/itunesdbloader.h"
#include "music/musicfolderscan.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const QString musicFolder = QDir::fromNativeSeparators(context.args.Value(u"--music-folder"_s));
    context.Operands();
    if (context.line.drives.isEmpty() || musicFolder.isEmpty())
        throw ECliUsageError(
            QCoreApplication::translate("CliScan", "--drive と --music-folder を指定してください"));

    const QString root = AddPathDelim(QDir::fromNativeSeparators(context.line.drives.first()));
    const QString folder = root + musicFolder;
    if (!QDir(folder).exists())
        throw ESorvoError(QCoreApplication::translate("CliScan", "フォルダ %1 がありません")
                              .arg(QDir::toNativeSeparators(folder)));

    TITunesDBLoader loader;
    ScanMusicFolder(loader, folder, root);

    CliPrintSongs(loader.FSongs, context.line.json);
    return 0;
}

TCliCommand reg({u"scan", QT_TRANSLATE_NOOP("CliCommand", "音楽フォルダを調べて曲を一覧表示します"),
                 QT_TRANSLATE_NOOP("CliCommand", "--drive フォルダ --music-folder 相対パス [--json]"), true},
                Run);

} // namespace
