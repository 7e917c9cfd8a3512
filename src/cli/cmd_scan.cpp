// sorvo-cli scan: the songs a music folder scan finds on a player without a song database.
#include "app/sorvoerror.h"
#include "cli/clicommand.h"
#include "cli/cliplayer.h"
#include "common/paths.h"
#include "music/itunesdbloader.h"
#include "music/musicfolderscan.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const bool json = context.args.Flag(u"--json"_s);
    const QString musicFolder = QDir::fromNativeSeparators(context.args.Value(u"--music-folder"_s));
    QString error;
    const QStringList rest = context.args.Rest(&error);
    if (!error.isEmpty())
        throw ESorvoError(error);
    if (context.line.drives.isEmpty() || musicFolder.isEmpty() || !rest.isEmpty())
        throw ESorvoError(u"使い方: sorvo-cli scan --drive フォルダ --music-folder 相対パス [--json]"_s);

    const QString root = AddPathDelim(QDir::fromNativeSeparators(context.line.drives.first()));
    const QString folder = root + musicFolder;
    if (!QDir(folder).exists())
        throw ESorvoError(u"フォルダ "_s + QDir::toNativeSeparators(folder) + u" がありません"_s);

    TITunesDBLoader loader;
    ScanMusicFolder(loader, folder, root);

    CliPrintSongs(loader.FSongs, json);
    return 0;
}

TCliCommand reg(u"scan", u"音楽フォルダを調べて曲を一覧表示します", Run);

} // namespace
