#include "music/playlistfile.h"

#include "common/format.h"
#include "common/namelength.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "common/windowsnames.h"
#include "music/songdb.h"
#include "platform/safefilewriter.h"
#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A text on one line: a line break inside a title would end the entry.
QString OneLine(QStringView text)
{
    QString line = text.toString();
    for (QChar &c : line)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return line;
}

/// A path line every player reads as a path: one starting with "#" is a comment to all of them, and
/// leading blanks are trimmed by many.
QString PlayListLine(const QString &relativePath)
{
    if (relativePath.startsWith(u'#') || (!relativePath.isEmpty() && relativePath.front().isSpace()))
        return u"./"_s + relativePath;
    return relativePath;
}

} // namespace

QList<int> SongsOfPlayLists(const TITBSongList &songs, const TITBPlayLists &lists,
                            const QList<int> &playLists)
{
    QList<int> result;
    QSet<int> seen;
    for (const int list : playLists)
        for (const int song : PlayListSongIndexes(songs, lists.Items(list)))
            if (!seen.contains(song)) {
                seen.insert(song);
                result.append(song);
            }
    return result;
}

QList<int> ExtractablePlayLists(const TITBPlayLists &lists)
{
    QList<int> result;
    for (int i = 0; i < lists.Count(); ++i)
        if (lists.Items(i).FKind != TPlayListKind::Master && !lists.IsFolder(i))
            result.append(i);
    return result;
}

QByteArray PlayListFileText(const QString &folder, const TITBSongList &songs, const TITBPlayListData &list,
                            const TCopyReport &report, QList<int> *leftOut)
{
    QHash<int, QString> copies;
    for (const TCopyOutcome &outcome : report.FOutcomes)
        if (!outcome.Failed() && !outcome.FPath.isEmpty())
            copies.insert(outcome.FIndex, outcome.FPath);
    const QDir base(folder);
    QString text = u"#EXTM3U\n"_s;
    for (const int song : PlayListSongIndexes(songs, list)) {
        const auto copy = copies.constFind(song);
        if (copy == copies.cend()) {
            if (leftOut)
                leftOut->append(song);
            continue;
        }
        const TITBSongItem &s = songs.Items(song);
        const qint64 seconds = (qint64(qMax(0, s.FLength)) + 500) / 1000;
        text += u"#EXTINF:"_s + QString::number(seconds) + u',' + OneLine(s.ArtistView()) + u" - "_s +
                OneLine(s.TitleView()) + u'\n';
        text += PlayListLine(QDir::fromNativeSeparators(base.relativeFilePath(*copy))) + u'\n';
    }
    return text.toUtf8();
}

TPlayListFileResult WritePlayListFile(const QString &folder, const TITBSongList &songs,
                                      const TITBPlayListData &list, const TCopyReport &report)
{
    TPlayListFileResult result;
    const QByteArray text = PlayListFileText(folder, songs, list, report, &result.FLeftOut);
    const QString extension = u".m3u8"_s;
    QString stem = ShortenComponent(SanitizeFileName(list.FName).normalized(QString::NormalizationForm_C),
                                    kMaxComponentBytes - kUniqueSuffixBytes - int(extension.size()), false);
    if (IsBlankOrDotsName(stem))
        stem = u"_"_s; // a playlist without a name, or named "..", gets no hidden ".m3u8" or blank name
    const QString planned = AddPathDelim(folder) + WindowsSafeName(stem + extension);
    QString path = planned;
    // Never replaces a file: another run may take a free name meanwhile, then the next one is tried.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (QFileInfo::exists(path)) {
            path = MakeUniqueFileName(planned);
            if (path.isEmpty())
                break;
        }
        TSafeFileWriter writer(path, TSafeFileWriter::cmNoReplace);
        if (writer.Open() && writer.Write(text) && writer.Commit()) {
            result.FPath = path;
            return result;
        }
        if (writer.Error() != EEXIST)
            throw ESorvoError(
                Format(QCoreApplication::translate("PlayListFile", "ファイル %s を作成できません。%s"),
                       {QDir::toNativeSeparators(path), SystemErrorText(writer.Error())}));
    }
    throw ESorvoError(Format(QCoreApplication::translate("PlayListFile", "ファイル %s を作成できません。"),
                             {QDir::toNativeSeparators(planned)}));
}

QString LeftOutText(const TITBSongList &songs, int song, const QString &playListName)
{
    const TITBSongItem &s = songs.Items(song);
    //: The artist, the title and the playlist's name
    return Format(
        QCoreApplication::translate(
            "PlayListFile", "[ %s - %s ] はコピーされなかったので、プレイリスト \"%s\" に入れていません"),
        {s.Artist(), s.Title(), playListName});
}
