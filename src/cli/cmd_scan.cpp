// sorvo-cli scan: the songs a music folder scan finds on a player without a song database.
#include "common/sorvoerror.h"
#include "cli/clicommand.h"
#include "cli/clisongs.h"
#include "common/paths.h"
#include "music/itunesdbloader.h"
#include "music/musicfolderscan.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const QString musicFolder = QDir::fromNativeSeparators(context.args.Value(u"--music-folder"_s));
    context.Operands();
    if (context.line.drives.isEmpty() || musicFolder.isEmpty())
        throw ECliUsageError(u"--drive と --music-folder を指定してください"_s);

    const QString root = AddPathDelim(QDir::fromNativeSeparators(context.line.drives.first()));
    const QString folder = root + musicFolder;
    if (!QDir(folder).exists())
        throw ESorvoError(u"フォルダ "_s + QDir::toNativeSeparators(folder) + u" がありません"_s);

    TITunesDBLoader loader;
    ScanMusicFolder(loader, folder, root);

    CliPrintSongs(loader.FSongs, context.line.json);
    return 0;
}

TCliCommand reg({u"scan", u"音楽フォルダを調べて曲を一覧表示します",
                 u"--drive フォルダ --music-folder 相対パス [--json]", true},
                Run);

} // namespace
