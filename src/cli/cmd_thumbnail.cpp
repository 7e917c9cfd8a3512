// sorvo-cli thumbnail: decodes one stored thumbnail and saves it as PNG.
#include "common/sorvoerror.h"
#include "app/userdialogs.h"
#include "cli/clicommand.h"
#include "cli/cliplayer.h"
#include "photos/artworkdbloader.h"
#include "platform/safefilewriter.h"
#include "session/playersession.h"

#include <QBuffer>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

quint64 ParseId(const QString &text, const QString &option)
{
    bool ok = false;
    const quint64 id = text.toULongLong(&ok);
    if (!ok)
        throw ECliUsageError(option + u" には数値を指定してください: "_s + text);
    return id;
}

int Run(TCliContext &context)
{
    const QString songId = context.args.Value(u"--song-id"_s);
    const QString imageId = context.args.Value(u"--image-id"_s);
    const bool photo = context.args.Flag(u"--photo"_s);
    const QString widthText = context.args.Value(u"--width"_s, u"0"_s);
    const QString out = context.args.Value(u"--out"_s);
    context.Operands();
    if (songId.isEmpty() == imageId.isEmpty())
        throw ECliUsageError(u"--song-id か --image-id のどちらか一つを指定してください"_s);
    if (out.isEmpty())
        throw ECliUsageError(u"--out で保存先の PNG ファイルを指定してください"_s);
    bool ok = false;
    const int width = widthText.toInt(&ok);
    if (!ok)
        throw ECliUsageError(u"--width には数値を指定してください: "_s + widthText);
    const quint64 id = songId.isEmpty() ? ParseId(imageId, u"--image-id"_s) : ParseId(songId, u"--song-id"_s);

    TCliPlayer player(context);
    const TArtworkDBLoader *loader = nullptr;
    if (photo) {
        loader = &player.LoadPhotos();
    } else {
        loader = &player.Locate().Artwork();
        player.RaiseMessages();
    }
    const TArtItem *item = songId.isEmpty() ? loader->FindByImageId(quint32(id)) : loader->FindBySongId(id);
    if (!item)
        throw ESorvoError(u"指定された画像が見つかりません"_s);
    TArtImageObject *image = item->SelectImage(width);
    if (!image)
        throw ESorvoError(u"指定された幅のサムネイルがありません"_s);
    const QImage picture = image->Bitmap();
    if (picture.isNull())
        throw ESorvoError(u"サムネイル画像を読み込めません: "_s + QDir::toNativeSeparators(image->FFileName));
    // Encoded in memory and written whole: a failed write keeps an older file of that name.
    QByteArray png;
    QBuffer buffer(&png);
    QString why;
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG") ||
        !SaveFileSafely(out, png, &why))
        throw ESorvoError(u"ファイル \"%1\" に保存できません %2"_s.arg(QDir::toNativeSeparators(out), why));
    return 0;
}

TCliCommand reg({u"thumbnail", u"サムネイルを PNG で保存します",
                 u"(--song-id ID | --image-id ID) [--photo] [--width PIXELS] --out FILE.png", false},
                Run);

} // namespace
