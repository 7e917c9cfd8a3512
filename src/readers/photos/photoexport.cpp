#include "photos/photoexport.h"

#include "music/copydestination.h"

#include "app/mainservices.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/namelength.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "common/windowsnames.h"
#include "music/copydestination.h"
#include "photos/artworkdbloader.h"
#include "photos/jpegio.h"
#include "platform/filecopy.h"
#include "platform/playerpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kJpegQuality = 90;

QString LastComponent(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

} // namespace

TPhotoExportKind DefaultPhotoExportKind(const TArtworkDBLoader &photos)
{
    return photos.Count() > 0 && !photos.Items(0).FFullFileName.isEmpty() ? kExportFullSize
                                                                          : kExportThumbnails;
}

TPhotoExporter::TPhotoExporter(const TArtworkDBLoader &photos, QString folder, TPhotoExportKind kind)
    : FPhotos(photos), FFolder(AddPathDelim(folder)), FKind(kind)
{}

void TPhotoExporter::Step(const QList<TAlbumCheckRow> &rows, TProgressContext &context)
{
    const int total =
        int(std::count_if(rows.begin(), rows.end(), [](const TAlbumCheckRow &r) { return r.FChecked; }));
    TPlayerPaths sources(FPhotos.FBaseDir);
    int n = 0;
    for (const TAlbumCheckRow &row : rows) {
        if (!row.FChecked)
            continue;
        ++n;
        ++FResult.FAlbums;
        context.SetPosition(n);
        QStringList ids;
        FPhotos.FAlbums.GetAlbumImageIds(row.FName, ids);
        QString folderName = ShortenComponent(SanitizeFileNameNoDot(row.FName), kMaxComponentBytes, false);
        if (!folderName.trimmed().isEmpty())
            folderName = WindowsSafeName(folderName);
        for (int e = 0; e < ids.size(); ++e) {
            context.SetLabel(
                Format(tr("写真アルバム(%d/%d)のコピー中 %d%%"), {n, total, qint64(e) * 100 / ids.size()}));
            const TArtItem *item = FPhotos.FindByImageId(ids.at(e).toUInt());
            if (!item) {
                ++FResult.FUnreadable;
                continue;
            }
            const QString fileName =
                FKind == kExportThumbnails
                    ? Format(u"IMG%.05d.jpg"_s, {e})
                    : WindowsSafeName(ShortenComponent(LastComponent(item->FFullFileName),
                                                       kMaxComponentBytes - kUniqueSuffixBytes, true));
            QString target = folderName.isEmpty() ? QString(FFolder + fileName)
                                                  : QString(FFolder + folderName + u'/' + fileName);
            if (PathTaken(target)) {
                const QString unique = MakeUniqueFileName(target);
                if (unique.isEmpty()) {
                    context.SetLabel(tr("[ %1 ]のリネームに失敗しました").arg(LastComponent(target)));
                    ++FResult.FRenameFailures;
                    continue;
                }
                target = unique;
            }
            const QString targetFolder = target.left(target.lastIndexOf(u'/') + 1);
            if (!QFileInfo(targetFolder).isDir())
                QDir().mkpath(targetFolder);

            if (FKind == kExportThumbnails) {
                TArtImageObject *thumb = item->SelectImage(0);
                const QImage picture = thumb ? thumb->Bitmap() : QImage();
                if (picture.isNull()) {
                    ++FResult.FUnreadable;
                } else {
                    QString error;
                    if (!SaveJpeg(picture, target, kJpegQuality, &error))
                        throw ESorvoError(Format(tr("ファイル %s を作成できません。%s"),
                                                 {QDir::toNativeSeparators(target), error}));
                    ++FResult.FWritten;
                }
            } else {
                // Names leading outside the database folder are never read.
                const QString source = sources.Resolve(item->FFullFileName);
                if (!source.isEmpty() && CopyFileNoOverwrite(source, target) == 0)
                    ++FResult.FWritten;
                else
                    ++FResult.FFailedCopies;
            }
            if (context.Cancelled()) {
                FResult.FCancelled = true;
                return;
            }
        }
    }
}

TPhotoExportResult ExportPhotos(const TArtworkDBLoader &photos, const QList<TAlbumCheckRow> &rows,
                                const QString &folder, const QString &playerRoot, TPhotoExportKind kind,
                                IProgressRunner &progress, IMainServices &services, IUserDialogs &dialogs)
{
    RefuseFolderInPlayer(folder, playerRoot);
    TPhotoExporter exporter(photos, folder, kind);
    const int total =
        int(std::count_if(rows.begin(), rows.end(), [](const TAlbumCheckRow &r) { return r.FChecked; }));
    progress.RunWithProgress(QCoreApplication::translate("TPhotoExporter", "フォトの取り出し"), 0, total,
                             [&](TProgressContext &context) { exporter.Step(rows, context); });
    const TPhotoExportResult &result = exporter.FResult;
    if (result.FUnreadable == 0 && result.FFailedCopies == 0)
        services.SetStatusText(Format(
            QCoreApplication::translate("TPhotoExporter", "フォルダ \"%s\" に写真ファイルを転送しました"),
            {QDir::toNativeSeparators(folder)}));
    else
        //: %1 is the number of pictures written, %2 the folder
        services.SetStatusText(QCoreApplication::translate(
                                   "TPhotoExporter", "フォルダ \"%2\" に写真ファイルを %1 枚転送しました")
                                   .arg(result.FWritten)
                                   .arg(QDir::toNativeSeparators(folder)));
    if (result.FUnreadable > 0)
        dialogs.Warning(QCoreApplication::translate("TPhotoExporter", "%n 枚の写真を読み込めませんでした",
                                                    nullptr, result.FUnreadable));
    if (exporter.FResult.FFailedCopies > 0)
        dialogs.Warning(QCoreApplication::translate("TPhotoExporter", "%n 枚の写真を転送できませんでした",
                                                    nullptr, exporter.FResult.FFailedCopies));
    dialogs.ShellOpen(folder);
    return exporter.FResult;
}
