#include "music/itxmakelibrary.h"

#include "common/datetime.h"
#include "common/format.h"
#include "common/japanese.h"
#include "common/sorvoerror.h"
#include "music/songdb.h"
#include "platform/safefilewriter.h"

#include <QDir>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

QString NumberCell(qint64 value)
{
    return value == 0 ? QString() : QString::number(value);
}

} // namespace

void TITXMakeLibrary::Reset()
{
    FLines.clear();
    // The listing file's header stays Japanese whatever the window's language.
    FLines << u"名前\tアーティスト\t作曲者\tアルバム\tグループ\tジャンル\tサイズ\t時間\tディスク番号\tディス"
              u"ク数\t"
              u"トラック番号\tトラック数\t年\t変更日\t追加日\tビットレート\tサンプルレート\t音量調整\t種類\t"
              u"イコライザ\tコメント\t再生回数\t最後に再生した日\tマイレート\t場所"_s;
}

QString TITXMakeLibrary::DateCell(double dateTime)
{
    const QDateTime value = DateTimeToQDateTime(dateTime);
    const QString date = QLocale().toString(value.date(), QLocale::ShortFormat);
    if (value.time() == QTime(0, 0))
        return date;
    return date + u' ' + value.time().toString(u"H:mm:ss"_s);
}

void TITXMakeLibrary::Add(const TITBSongItem &song, const QString &path)
{
    const QStringList cells = {song.Title(),
                               song.Artist(),
                               song.Composer(),
                               song.Album(),
                               song.Grouping(),
                               song.Genre(),
                               NumberCell(song.FSize),
                               NumberCell(song.FLength / 1000),
                               NumberCell(song.FDiscNumber),
                               NumberCell(song.FDiscCount),
                               NumberCell(song.FTrackNumber),
                               NumberCell(song.FTrackCount),
                               NumberCell(song.FYear),
                               DateCell(song.FDateModified),
                               DateCell(song.FDateAdded),
                               NumberCell(song.FBitRate),
                               NumberCell(song.FSampleRate),
                               NumberCell(song.FVolume),
                               song.Kind(),
                               song.Equalizer(),
                               song.Comment(),
                               NumberCell(song.FPlayCount),
                               DateCell(song.FLastPlayed),
                               NumberCell(song.FRating),
                               path};
    FLines << cells.join(u'\t');
}

void TITXMakeLibrary::SaveToFile(const QString &path) const
{
    QByteArray bytes;
    bool unicode = false;
    for (const QString &line : FLines) {
        const QByteArray sjis = UnicodeToShiftJis(line);
        // A name Shift-JIS cannot hold would turn into "?" and no longer name the copy.
        if (ShiftJisToUnicode(sjis) != line) {
            unicode = true;
            break;
        }
        bytes += sjis;
        bytes += "\r\n";
    }
    if (unicode) {
        QString text;
        for (const QString &line : FLines)
            text += line + u"\r\n"_s;
        bytes = QByteArray("\xFF\xFE", 2);
        for (QChar c : std::as_const(text)) {
            const char16_t u = c.unicode();
            bytes += char(u & 0xFF);
            bytes += char(u >> 8);
        }
    }
    SaveFileOrThrow(path, bytes);
}
