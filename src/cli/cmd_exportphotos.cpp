// sorvo-cli export-photos: exports photo albums of the player to a folder, as JPEG thumbnails or full size.
#include "cli/clidevice.h"
#include "cli/consoleprogress.h"
#include "cli/consoleservices.h"
#include "common/format.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "music/copydestination.h"
#include "photos/photoexport.h"
#include "session/playersession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    TCliArgs &args = context.args;
    const QString to = args.Value(u"--to"_s);
    const bool all = args.Flag(u"--all"_s);
    const bool full = args.Flag(u"--full"_s);
    const QStringList albums = args.Values(u"--album"_s);
    context.Operands();
    const QString folder = CliDestinationFolder(to);
    if (all == !albums.isEmpty())
        throw ECliUsageError(
            QCoreApplication::translate("CliExportPhotos", "--all か --album のどちらかを指定してください"));

    TCliDevice device(context);
    device.Locate();
    // The photo database is read when the photo tab is first shown; here, now.
    device.Session().LoadPhotos();
    const TArtworkDBLoader &photos = device.Session().Photos();
    if (full && DefaultPhotoExportKind(photos) != kExportFullSize)
        throw ESorvoError(QCoreApplication::translate("CliExportPhotos",
                                                      "iTunesにおいて「フル解像度の写真を含める」の設定を行い"
                                                      "ませんと、フルサイズ画像の取り出しは行えません。"));

    QList<TAlbumCheckRow> rows;
    QStringList unknown = albums;
    for (const TAlbumRow &album : photos.FAlbums.AlbumRows()) {
        const bool wanted = all || albums.contains(album.FName);
        unknown.removeAll(album.FName);
        rows.append(TAlbumCheckRow{album.FName, wanted});
    }
    if (!unknown.isEmpty())
        throw ESorvoError(Format(QCoreApplication::translate("CliExportPhotos", "アルバム[ %s ]はありません"),
                                 {unknown.join(u", "_s)}));
    if (std::none_of(rows.begin(), rows.end(), [](const TAlbumCheckRow &r) { return r.FChecked; }))
        throw ESorvoError(QCoreApplication::translate("CliExportPhotos", "写真アルバムがありません"));

    const TFolderCheck check = CheckDestinationFolder(folder, device.FDrives);
    if (!check.FUsable)
        throw ESorvoError(check.FText);
    TConsoleMainServices services;
    const TPhotoExportResult result =
        ExportPhotos(photos, rows, folder, device.Player().FRoot, full ? kExportFullSize : kExportThumbnails,
                     context.progress, services, context.dialogs);
    if (ConsoleStopSignal())
        return 128 + ConsoleStopSignal(); // the file in hand was removed; the status line has the count
    return result.FFailedCopies > 0 || result.FUnreadable > 0 ? 1 : 0;
}

TCliCommand reg({u"export-photos",
                 QT_TRANSLATE_NOOP("CliCommand", "写真アルバムをPCのフォルダに取り出します"),
                 "--to FOLDER (--all | --album NAME ...) [--full]", false},
                Run);

} // namespace
