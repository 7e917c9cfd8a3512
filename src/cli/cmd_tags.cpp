// sorvo-cli tags: what the tag readers find in audio files.
#include "cli/clicommand.h"
#include "common/format.h"
#include "common/sorvoerror.h"
#include "common/textutils.h"
#include "tags/audiotags.h"
#include "tags/mpegextloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// Tags of one file as the folder scan reads them.
QJsonObject ReadTags(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw ESorvoError(Format(QCoreApplication::translate("CliTags", "ファイル[ %s ]を開けません"),
                                 {QDir::toNativeSeparators(path)}));
    TMP3Tag tag;
    TAudioTagReader().ReadFromFile(path, tag);
    TMPEGExtLoader lyrics;
    lyrics.LoadFromFile(path);
    return QJsonObject{{u"file"_s, path},
                       {u"kind"_s, tag.Kind},
                       {u"title"_s, tag.Title},
                       {u"artist"_s, tag.Artist},
                       {u"album"_s, tag.Album},
                       {u"year"_s, tag.Year},
                       {u"comment"_s, tag.Comment},
                       {u"genre"_s, tag.Genre},
                       {u"bit_rate"_s, tag.BitRate},
                       {u"sample_rate"_s, tag.SampleRate},
                       {u"duration_s"_s, tag.Duration},
                       {u"file_size"_s, tag.FileSize},
                       {u"tag_size"_s, tag.TagSize},
                       {u"lyrics"_s, lyrics.FLyrics}};
}

int Run(TCliContext &context)
{
    const QStringList files = context.Operands(1, std::numeric_limits<qsizetype>::max());

    QJsonArray all;
    for (const QString &file : files)
        all.append(ReadTags(QDir::fromNativeSeparators(file)));
    if (context.line.json) {
        CliJson(all);
        return 0;
    }
    static const QStringList keys = {u"kind"_s,        u"title"_s,      u"artist"_s,    u"album"_s,
                                     u"year"_s,        u"comment"_s,    u"genre"_s,     u"bit_rate"_s,
                                     u"sample_rate"_s, u"duration_s"_s, u"file_size"_s, u"tag_size"_s,
                                     u"lyrics"_s};
    for (const QJsonValue &v : std::as_const(all)) {
        const QJsonObject o = v.toObject();
        CliOut(EscapeControlChars(QDir::toNativeSeparators(o[u"file"_s].toString())) + u'\n');
        for (const QString &k : keys) {
            const QJsonValue value = o[k];
            const QString text = value.isString() ? value.toString() : QString::number(value.toInteger());
            CliOut(u"  "_s + k.leftJustified(12) + u' ' + EscapeControlChars(text) + u'\n');
        }
    }
    return 0;
}

TCliCommand reg({u"tags", QT_TRANSLATE_NOOP("CliCommand", "音声ファイルのタグと歌詞を表示します"),
                 QT_TRANSLATE_NOOP("CliCommand", "ファイル... [--json]"), true},
                Run);

} // namespace
