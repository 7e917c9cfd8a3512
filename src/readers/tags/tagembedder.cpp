#include "tags/tagembedder.h"

#include "photos/artworkdbloader.h"
#include "photos/jpegio.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <taglib/attachedpictureframe.h>
#include <taglib/commentsframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kArtworkQuality = 90;

TagLib::String Text(const QString &text)
{
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

/// "n" or "n/total"; empty when there is no number.
QString NumberAndCount(qint32 number, qint32 count)
{
    if (number <= 0)
        return {};
    return count > 0 ? u"%1/%2"_s.arg(number).arg(count) : QString::number(number);
}

void SetId3Text(TagLib::ID3v2::Tag &tag, const char *id, const QString &value)
{
    if (value.isEmpty())
        return;
    tag.removeFrames(id);
    auto *frame = new TagLib::ID3v2::TextIdentificationFrame(id, TagLib::String::UTF8);
    frame->setText(Text(value));
    tag.addFrame(frame);
}

TEmbedResult EmbedMp3(const QByteArray &path, const TEmbedTags &tags, const QByteArray &artworkJpeg)
{
    TagLib::MPEG::File file(path.constData(), false);
    // TagLib would put a tag in front of anything; only a file with MPEG audio frames is an MP3.
    if (!file.isValid() || file.firstFrameOffset() < 0)
        return {TEmbedOutcome::Failed,
                QString::fromUtf8(QT_TRANSLATE_NOOP("TTagEmbedder", "MP3 ファイルとして読めません"))};
    if (file.readOnly())
        return {TEmbedOutcome::Failed,
                QString::fromUtf8(QT_TRANSLATE_NOOP("TTagEmbedder", "ファイルに書き込めません"))};
    TagLib::ID3v2::Tag &tag = *file.ID3v2Tag(true);
    SetId3Text(tag, "TIT2", tags.title);
    SetId3Text(tag, "TPE1", tags.artist);
    SetId3Text(tag, "TALB", tags.album);
    SetId3Text(tag, "TCON", tags.genre);
    SetId3Text(tag, "TCOM", tags.composer);
    SetId3Text(tag, "TDRC", tags.year > 0 ? QString::number(tags.year) : QString());
    SetId3Text(tag, "TRCK", NumberAndCount(tags.trackNumber, tags.trackCount));
    SetId3Text(tag, "TPOS", NumberAndCount(tags.discNumber, tags.discCount));
    if (!tags.comment.isEmpty()) {
        tag.removeFrames("COMM");
        auto *comment = new TagLib::ID3v2::CommentsFrame(TagLib::String::UTF8);
        comment->setLanguage("jpn");
        comment->setText(Text(tags.comment));
        tag.addFrame(comment);
    }
    if (!artworkJpeg.isEmpty() && tag.frameList("APIC").isEmpty()) {
        auto *picture = new TagLib::ID3v2::AttachedPictureFrame;
        picture->setTextEncoding(TagLib::String::UTF8);
        picture->setMimeType("image/jpeg");
        picture->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
        picture->setPicture(TagLib::ByteVector(artworkJpeg.constData(), uint(artworkJpeg.size())));
        tag.addFrame(picture);
    }
    // An ID3v1 tag is left as it was: copying Japanese text into it would only garble it.
    if (!file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, TagLib::ID3v2::v4,
                   TagLib::File::DoNotDuplicate))
        return {TEmbedOutcome::Failed,
                QString::fromUtf8(QT_TRANSLATE_NOOP("TTagEmbedder", "タグを保存できません"))};
    return {TEmbedOutcome::Written, {}};
}

void SetMp4Text(TagLib::MP4::Tag &tag, const char *key, const QString &value)
{
    if (!value.isEmpty())
        tag.setItem(key, TagLib::StringList(Text(value)));
}

TEmbedResult EmbedMp4(const QByteArray &path, const TEmbedTags &tags, const QByteArray &artworkJpeg)
{
    TagLib::MP4::File file(path.constData(), false);
    if (!file.isValid())
        return {TEmbedOutcome::Failed,
                QString::fromUtf8(QT_TRANSLATE_NOOP("TTagEmbedder", "MPEG-4 ファイルとして読めません"))};
    if (file.readOnly())
        return {TEmbedOutcome::Failed,
                QString::fromUtf8(QT_TRANSLATE_NOOP("TTagEmbedder", "ファイルに書き込めません"))};
    TagLib::MP4::Tag &tag = *file.tag();
    SetMp4Text(tag, "\251nam", tags.title);
    SetMp4Text(tag, "\251ART", tags.artist);
    SetMp4Text(tag, "\251alb", tags.album);
    SetMp4Text(tag, "\251gen", tags.genre);
    SetMp4Text(tag, "\251wrt", tags.composer);
    SetMp4Text(tag, "\251cmt", tags.comment);
    SetMp4Text(tag, "\251day", tags.year > 0 ? QString::number(tags.year) : QString());
    if (tags.trackNumber > 0)
        tag.setItem("trkn", TagLib::MP4::Item(tags.trackNumber, qMax(tags.trackCount, 0)));
    if (tags.discNumber > 0)
        tag.setItem("disk", TagLib::MP4::Item(tags.discNumber, qMax(tags.discCount, 0)));
    if (!artworkJpeg.isEmpty() && !tag.contains("covr")) {
        TagLib::MP4::CoverArtList covers;
        covers.append(
            TagLib::MP4::CoverArt(TagLib::MP4::CoverArt::JPEG,
                                  TagLib::ByteVector(artworkJpeg.constData(), uint(artworkJpeg.size()))));
        tag.setItem("covr", covers);
    }
    if (!file.save())
        return {TEmbedOutcome::Failed,
                QString::fromUtf8(QT_TRANSLATE_NOOP("TTagEmbedder", "タグを保存できません"))};
    return {TEmbedOutcome::Written, {}};
}

bool IsMp4Name(const QString &suffix)
{
    return suffix == u"m4a"_s || suffix == u"m4b"_s || suffix == u"m4p"_s || suffix == u"m4v"_s ||
           suffix == u"mp4"_s;
}

} // namespace

bool TTagEmbedder::Handles(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == u"mp3"_s || IsMp4Name(suffix);
}

TEmbedResult TTagEmbedder::Embed(const QString &path, const TEmbedTags &tags, const QByteArray &artworkJpeg)
{
    if (!Handles(path))
        return {TEmbedOutcome::NotHandled, {}};
    const QByteArray name = QFile::encodeName(path);
    try {
        if (QFileInfo(path).suffix().toLower() == u"mp3"_s)
            return EmbedMp3(name, tags, artworkJpeg);
        return EmbedMp4(name, tags, artworkJpeg);
    } catch (const std::exception &) {
        return {TEmbedOutcome::Failed,
                QString::fromUtf8(QT_TRANSLATE_NOOP("TTagEmbedder", "タグを書き込めません"))};
    }
}

QByteArray TTagEmbedder::ArtworkJpeg(const TArtworkDBLoader &artwork, quint64 songId)
{
    if (songId == 0)
        return {};
    const TArtItem *item = artwork.FindBySongId(songId);
    TArtImageObject *image = item ? item->SelectImage(0) : nullptr;
    if (!image)
        return {};
    return EncodeJpeg(image->Bitmap(), kArtworkQuality);
}
