// sorvo-cli tags: what the tag readers find in audio files.
#include "app/sorvoerror.h"
#include "cli/clicommand.h"
#include "common/textutils.h"
#include "tags/kirump3tagreader.h"
#include "tags/mpegextloader.h"
#include "tags/wmatagreader.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

namespace {

// Tags of one file as the folder scan reads them; ".wma" files through the WMA reader.
QJsonObject ReadTags(const QString &path)
{
    TMP3Tag tag;
    if (QFileInfo(path).suffix().toLower() == u"wma"_s) {
        TWMATagReader wma;
        wma.ReadFromFile(path);
        tag.Title = wma.FTitle;
        tag.Artist = wma.FAuthor;
        tag.Comment = wma.FDescription;
        // WMA files are not measured; the scan gives them these fixed figures.
        tag.Kind = u"WindowsMediaAudio"_s;
        tag.BitRate = 64;
        tag.SampleRate = 44100;
        tag.Duration = 1;
        tag.FileSize = QFileInfo(path).size();
    } else {
        TKiruMP3TagReader().ReadFromFile(path, tag);
    }
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
    const bool json = context.args.Flag(u"--json"_s);
    QString error;
    const QStringList files = context.args.Rest(&error);
    if (!error.isEmpty())
        throw ESorvoError(error);
    if (files.isEmpty())
        throw ESorvoError(u"使い方: sorvo-cli tags ファイル... [--json]"_s);

    QJsonArray all;
    for (const QString &file : files)
        all.append(ReadTags(QDir::fromNativeSeparators(file)));
    if (json) {
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

TCliCommand reg(u"tags", u"音声ファイルのタグと歌詞を表示します", Run);

} // namespace
