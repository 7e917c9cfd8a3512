// sorvo-cli thumbnail: decodes one stored thumbnail and saves it as PNG.
#include "app/userdialogs.h"
#include "cli/clicommand.h"
#include "cli/cliplayer.h"
#include "common/sorvoerror.h"
#include "music/copydestination.h"
#include "photos/artworkdbloader.h"
#include "platform/safefilewriter.h"
#include "session/playersession.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

quint64 ParseId(const QString &text, const QString &option)
{
    bool ok = false;
    const quint64 id = text.toULongLong(&ok);
    if (!ok)
        //: %1 is the option, %2 what was given
        throw ECliUsageError(QCoreApplication::translate("CliThumbnail", "%1 には数値を指定してください: %2")
                                 .arg(option, text));
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
        throw ECliUsageError(QCoreApplication::translate(
            "CliThumbnail", "--song-id か --image-id のどちらか一つを指定してください"));
    if (out.isEmpty())
        throw ECliUsageError(
            QCoreApplication::translate("CliThumbnail", "--out で保存先の PNG ファイルを指定してください"));
    bool ok = false;
    const int width = widthText.toInt(&ok);
    if (!ok)
        throw ECliUsageError(QCoreApplication::translate("CliThumbnail", "%1 には数値を指定してください: %2")
                                 .arg(u"--width"_s, widthText));
    const quint64 id = songId.isEmpty() ? ParseId(imageId, u"--image-id"_s) : ParseId(songId, u"--song-id"_s);

    TCliPlayer player(context);
    const TArtworkDBLoader *loader = nullptr;
    if (photo) {
        loader = &player.LoadPhotos();
    } else {
        loader = &player.Locate().Artwork();
        player.RaiseMessages();
    }
    // A picture written over the player's own files would break it.
    RefuseFileInPlayer(QDir::fromNativeSeparators(out), player.Root());
    const TArtItem *item = songId.isEmpty() ? loader->FindByImageId(quint32(id)) : loader->FindBySongId(id);
    if (!item)
        throw ESorvoError(QCoreApplication::translate("CliThumbnail", "指定された画像が見つかりません"));
    TArtImageObject *image = item->SelectImage(width);
    if (!image)
        throw ESorvoError(
            QCoreApplication::translate("CliThumbnail", "指定された幅のサムネイルがありません"));
    const QImage picture = image->Bitmap();
    if (picture.isNull())
        throw ESorvoError(QCoreApplication::translate("CliThumbnail", "サムネイル画像を読み込めません: %1")
                              .arg(QDir::toNativeSeparators(image->FFileName)));
    // A file of that name is the user's: replaced only when they say so (at the terminal, or by --yes).
    if (QFileInfo::exists(out) &&
        context.dialogs.AskYesNo(
            //: %1 is the file given with --out
            QCoreApplication::translate("CliThumbnail", "ファイル \"%1\" は既にあります。上書きしますか？")
                .arg(QDir::toNativeSeparators(out))) != TDialogAnswer::Yes)
        //: %1 is the file given with --out
        throw ESorvoError(
            QCoreApplication::translate(
                "CliThumbnail", "ファイル \"%1\" は既にあるため保存しませんでした (--yes で上書きします)")
                .arg(QDir::toNativeSeparators(out)));
    // Encoded in memory and written whole: a failed write keeps an older file of that name.
    QByteArray png;
    QBuffer buffer(&png);
    QString why;
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG") ||
        !SaveFileSafely(out, png, &why))
        //: %1 is the file, %2 the reason
        throw ESorvoError(QCoreApplication::translate("CliThumbnail", "ファイル \"%1\" に保存できません %2")
                              .arg(QDir::toNativeSeparators(out), why));
    return 0;
}

TCliCommand reg({u"thumbnail", QT_TRANSLATE_NOOP("CliCommand", "サムネイルを PNG で保存します"),
                 "(--song-id ID | --image-id ID) [--photo] [--width PIXELS] --out FILE.png", false},
                Run);

} // namespace
