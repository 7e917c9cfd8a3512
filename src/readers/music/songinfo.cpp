#include "music/songinfo.h"

#include "platform/safefilewriter.h"

#include "common/format.h"
#include "common/japanese.h"
#include "common/paths.h"
#include "common/pictures.h"
#include "common/sorvoerror.h"
#include "common/textutils.h"
#include "music/songdb.h"
#include "photos/artworkdbloader.h"
#include "photos/jpegio.h"
#include "platform/playerpaths.h"
#include "tags/mpegextloader.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

QString MusicFormatName(const QString &path)
{
    static const QList<QPair<QString, QString>> names = {
        {u"mp3"_s, u"MP3 (MPEG1 Layer3)"_s},  {u"mp4"_s, u"MPEG4"_s},
        {u"m4a"_s, u"AAC (MPEG4 AAC)"_s},     {u"m4b"_s, u"AAC (MPEG4 AAC/Audible)"_s},
        {u"m4p"_s, u"AAC (MPEG4 AAC/DRM)"_s}, {u"m4v"_s, u"MPEG4 Video"_s},
        {u"wav"_s, u"WAVE Audio"_s},          {u"aif"_s, u"AIFF"_s},
    };
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0) {
        const QString extension = name.mid(dot + 1).toLower();
        for (const auto &[ext, text] : names)
            if (ext == extension)
                return text;
    }
    return u"不明な音楽形式"_s;
}

QString RatingStars(int rating)
{
    if (rating <= 0 || rating > 100 || rating % 20 != 0)
        return u"・・・・・"_s;
    const int stars = rating / 20;
    return QString(stars, u'★') + QString(5 - stars, u'・');
}

QString SongDateText(TDateTime value)
{
    // 1462 is the Mac epoch: the value an unset database date turns into.
    if (value <= 1462)
        return u"不明"_s;
    return ShownDateTime(DateTimeToQDateTime(value));
}

QList<QPair<QString, QString>> SongInfoLines(const TITBSongItem &song, const QString &filePath)
{
    return {
        {u"タイトル:"_s, song.Title()},
        {u"アーティスト:"_s, song.Artist()},
        {u"アルバム:"_s, song.Album()},
        {u"再生時間:"_s, FormatDuration(song.FLength)},
        {u"マイレート:"_s, RatingStars(song.FRating)},
        {u"形式:"_s, MusicFormatName(filePath)},
        {u"サイズ:"_s, Format(u"%.0n byte"_s, {double(GetFileSize64(filePath))})},
        {u"ビットレート:"_s, Format(u"%d kbps"_s, {song.FBitRate})},
        {u"サンプリング:"_s, Format(u"%d Hz"_s, {song.FSampleRate})},
        {u"ジャンル:"_s, song.Genre()},
        {u"所在:"_s, QDir::toNativeSeparators(filePath)},
        {u"再生された日:"_s, SongDateText(song.FLastPlayed)},
        {u"変更された日:"_s, SongDateText(song.FDateModified)},
        {u"作成された日:"_s, SongDateText(song.FDateAdded)},
        {u"再生回数:"_s, Format(u"%d 回"_s, {song.FPlayCount})},
        {u"トラック:"_s, Format(u"%d"_s, {song.FTrackNumber})},
    };
}

QString SongFilePath(const QString &root, const TITBSongItem &song)
{
    TPlayerPaths paths(root);
    const QString resolved = paths.Resolve(song.Location());
    return resolved.isEmpty() ? AddPathDelim(root) + ColonToPathDelim(song.Location()).mid(1) : resolved;
}

QImage SongArtwork(const TArtworkDBLoader &artwork, const TITBSongItem &song, int width)
{
    const TArtItem *item = artwork.FindBySongId(song.FDBID);
    if (!item)
        return {};
    TArtImageObject *image = item->SelectImage(width);
    if (!image)
        return {};
    return image->Bitmap();
}

QImage SongThumbnail(const TArtworkDBLoader &artwork, const TITBSongItem &song, int box)
{
    QImage thumbnail(box, box, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    {
        QPainter painter(&thumbnail);
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, box - 1, box - 1);
    }
    const QImage picture = SongArtwork(artwork, song, 150);
    if (!picture.isNull())
        DrawFitted(thumbnail, 1, 1, box - 2, box - 2, Qt::white, picture);
    return thumbnail;
}

QString ReadSongLyrics(const QString &path)
{
    TMPEGExtLoader loader;
    try {
        loader.LoadFromFile(path);
    } catch (const ESorvoError &) {
        return {}; // a missing or unreadable file has no lyrics
    }
    return loader.FLyrics.trimmed();
}

QString ForceExtension(const QString &path, const QString &extension)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot > slash + 1)
        return path.left(dot) + extension;
    return path + extension;
}

namespace {
void WriteWhole(const QString &path, const QByteArray &bytes)
{
    QString error;
    if (!SaveFileSafely(path, bytes, &error))
        throw ESorvoError(
            Format(u"[ %s ]に保存できませんでした。\n%s"_s, {QDir::toNativeSeparators(path), error}));
}
} // namespace

void SaveLyricsFile(const QString &text, const QString &path)
{
    QString lines = text;
    lines.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    if (!lines.endsWith(u'\n'))
        lines += u'\n';
    lines.replace(u"\n"_s, u"\r\n"_s);
    WriteWhole(path, UnicodeToShiftJis(lines));
}

void SaveArtworkFile(const QImage &image, const QString &path, bool jpeg)
{
    QByteArray bytes;
    if (jpeg) {
        bytes = EncodeJpeg(image, 90);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    }
    if (bytes.isEmpty())
        throw ESorvoError(Format(u"[ %s ]に保存できませんでした。"_s, {QDir::toNativeSeparators(path)}));
    WriteWhole(path, bytes);
}
