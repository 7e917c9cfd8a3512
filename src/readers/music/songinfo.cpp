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
#include <QCoreApplication>
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
    return QCoreApplication::translate("SongInfo", "不明な音楽形式");
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
        //: An unset date
        return QCoreApplication::translate("SongInfo", "不明");
    return ShownDateTime(DateTimeToQDateTime(value));
}

QList<QPair<QString, QString>> SongInfoLines(const TITBSongItem &song, const QString &filePath)
{
    const auto Tr = [](const char *caption) { return QCoreApplication::translate("SongInfo", caption); };
    return {
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "タイトル:")), song.Title()},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "アーティスト:")), song.Artist()},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "アルバム:")), song.Album()},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "再生時間:")), FormatDuration(song.FLength)},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "マイレート:")), RatingStars(song.FRating)},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "形式:")), MusicFormatName(filePath)},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "サイズ:")),
         //: the file size; %.0n is the number of bytes with thousands separators
         Format(QCoreApplication::translate("SongInfo", "%.0n byte"), {double(GetFileSize64(filePath))})},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "ビットレート:")), Format(u"%d kbps"_s, {song.FBitRate})},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "サンプリング:")), Format(u"%d Hz"_s, {song.FSampleRate})},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "ジャンル:")), song.Genre()},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "所在:")), QDir::toNativeSeparators(filePath)},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "再生された日:")), SongDateText(song.FLastPlayed)},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "変更された日:")), SongDateText(song.FDateModified)},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "作成された日:")), SongDateText(song.FDateAdded)},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "再生回数:")),
         QCoreApplication::translate("SongInfo", "%n 回", nullptr, song.FPlayCount)},
        {Tr(QT_TRANSLATE_NOOP("SongInfo", "トラック:")), Format(u"%d"_s, {song.FTrackNumber})},
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
            Format(QCoreApplication::translate("SongInfo", "[ %s ]に保存できませんでした。\n%s"),
                   {QDir::toNativeSeparators(path), error}));
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
        throw ESorvoError(Format(QCoreApplication::translate("SongInfo", "[ %s ]に保存できませんでした。"),
                                 {QDir::toNativeSeparators(path)}));
    WriteWhole(path, bytes);
}
