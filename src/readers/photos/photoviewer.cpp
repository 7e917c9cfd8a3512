#include "photos/photoviewer.h"

#include "app/userdialogs.h"
#include "common/format.h"
#include "common/paths.h"
#include "photos/artworkdbloader.h"
#include "photos/jpegio.h"
#include "platform/filecopy.h"
#include "platform/system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

QRect PhotoFitRect(int pictureWidth, int pictureHeight, int canvasWidth, int canvasHeight)
{
    const qint64 pw = pictureWidth, ph = pictureHeight, w = canvasWidth, h = canvasHeight;
    if (pw <= 0 || ph <= 0 || w <= 0 || h <= 0)
        return {};
    qint64 x = 0, y = 0, width = 0, height = 0;
    if (pw < ph) {
        height = h;
        width = h * pw / ph;
        x = (w - width) / 2;
        if (x < 0) {
            width = w;
            height = w * h / (h * pw / ph);
            x = 0;
            y = (h - height) / 2;
        }
    } else {
        width = w;
        height = w * ph / pw;
        y = (h - height) / 2;
        if (y < 0) {
            height = h;
            width = h * w / (w * ph / pw);
            y = 0;
            x = (w - width) / 2;
        }
    }
    if (width <= 0 || height <= 0)
        return {};
    return QRect(int(x), int(y), int(width), int(height));
}

QString PhotoPathForRow(const TArtworkDBLoader &photos, const QStringList &rowIds, int row)
{
    if (row < 0 || row >= rowIds.size())
        return {};
    const TArtItem *item = photos.FindByImageId(rowIds.at(row).toUInt());
    if (!item || item->FFullFileName.isEmpty())
        return {};
    return TrimPathDelim(photos.FBaseDir) + item->FFullFileName;
}

bool TPhotoViewer::OpenPhoto(const QString &path, int index, int count)
{
    if (!QFileInfo::exists(path)) {
        FDialogs.Warning(Format(tr("ファイル[ %s ]は存在しません"), {QDir::toNativeSeparators(path)}));
        return false;
    }
    const QString extension = QFileInfo(path).suffix().toLower();
    QImage picture;
    if (extension == u"bmp"_s)
        picture = QImage(path, "BMP");
    else if (extension == u"jpg"_s || extension == u"jpe"_s || extension == u"jpeg"_s)
        picture = LoadJpeg(path);
    // A file that does not decode is no more showable than an unknown kind.
    if (picture.isNull()) {
        FDialogs.Warning(tr("対応できないファイル形式です"));
        return false;
    }
    FPicture = picture.convertToFormat(QImage::Format_RGB32);
    FSizeText = Format(u"%dx%d"_s, {FPicture.width(), FPicture.height()});
    FPriorEnabled = index > 0;
    FNextEnabled = index < count - 1;
    FIndex = index;
    FCount = count;
    FFileName = path;
    return true;
}

bool TPhotoViewer::Step(bool next)
{
    if (!FOnStep)
        return false;
    int index = FIndex;
    const QString path = FOnStep(next ? 1 : -1, index);
    if (path.isEmpty())
        return false;
    return OpenPhoto(path, index, FCount);
}

QImage TPhotoViewer::Render(QSize scrollBox) const
{
    const int w = scrollBox.width() - 4;
    const int h = scrollBox.height() - 4;
    if (w <= 0 || h <= 0)
        return {};
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    const QRect target = PhotoFitRect(FPicture.width(), FPicture.height(), w, h);
    if (!target.isEmpty()) {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, FPicture);
    }
    return canvas;
}

bool TPhotoViewer::SaveCopy(QString &exportFolder)
{
    QString folder = exportFolder;
    if (!FDialogs.BrowseForFolder(folder))
        return false;
    exportFolder = NormalizeFolder(folder);
    const QString name = QFileInfo(FFileName).fileName();
    const QString target = exportFolder + name;
    if (QFileInfo::exists(target) &&
        FDialogs.AskOkCancel(tr("同名のファイルが存在します。上書きしてもよろしいですか？")) !=
            TDialogAnswer::Ok)
        return false;
    // Copied beside the target and renamed over it, so a failed copy leaves an existing file whole.
    const QString partial = target + u".part"_s;
    QFile::remove(partial);
    int error = CopyFileNoOverwrite(FFileName, partial);
    if (error == 0 &&
        std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0)
        error = errno;
    if (error != 0) {
        QFile::remove(partial);
        FDialogs.Warning(
            Format(tr("ファイル[ %s ]を転送できませんでした (%s)"), {name, SystemErrorText(error)}));
        return false;
    }
    FDialogs.Information(
        Format(tr("ファイル[ %s ]を\" %s \"に転送しました"), {name, QDir::toNativeSeparators(exportFolder)}));
    return true;
}

void TPhotoViewer::CopyToClipboard()
{
    FDialogs.SetClipboardImage(FPicture);
}
