#include "music/itxmakelibrary.h"

#include "common/datetime.h"
#include "common/format.h"
#include "common/japanese.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "common/textutils.h"
#include "music/songdb.h"
#include "platform/filecopy.h"
#include "platform/safefilewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kListingName = u"iPodLibrary.TXT"_s;
constexpr QByteArrayView kUtf16Mark("\xFF\xFE", 2);

QString NumberCell(qint64 value)
{
    return value == 0 ? QString() : QString::number(value);
}

/// Lines with CR LF in Shift-JIS; false when a line holds characters Shift-JIS lacks.
bool EncodeShiftJis(const QStringList &lines, QByteArray *bytes)
{
    for (const QString &line : lines) {
        const QByteArray sjis = UnicodeToShiftJis(line);
        // A name Shift-JIS cannot hold would turn into "?" and no longer name the copy.
        if (ShiftJisToUnicode(sjis) != line)
            return false;
        *bytes += sjis;
        *bytes += "\r\n";
    }
    return true;
}

/// Lines with CR LF in UTF-16LE, without a byte-order mark.
QByteArray EncodeUtf16(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        for (QChar c : QString(line + u"\r\n"_s)) {
            const char16_t u = c.unicode();
            bytes += char(u & 0xFF);
            bytes += char(u >> 8);
        }
    return bytes;
}

/// The whole file: Shift-JIS, or UTF-16LE with a byte-order mark when a line needs it.
QByteArray EncodeListing(const QStringList &lines)
{
    QByteArray bytes;
    if (EncodeShiftJis(lines, &bytes))
        return bytes;
    return kUtf16Mark.toByteArray() + EncodeUtf16(lines);
}

QString DecodeListing(const QByteArray &bytes, bool *utf16)
{
    *utf16 = bytes.startsWith(kUtf16Mark);
    if (!*utf16)
        return ShiftJisToUnicode(bytes);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                              (bytes.size() - 2) / 2);
}

/// Writes a file that is not there yet; false with errno EEXIST when something took the name first.
bool SaveNewFile(const QString &path, const QByteArray &bytes, int *error)
{
    TSafeFileWriter writer(path, TSafeFileWriter::cmNoReplace);
    if (writer.Open() && writer.Write(bytes) && writer.Commit())
        return true;
    *error = writer.Error();
    if (*error != EEXIST)
        throw ESorvoError(Format(TITXMakeLibrary::tr("ファイル %s を作成できません。%s"),
                                 {QDir::toNativeSeparators(path), writer.ErrorString()}));
    return false;
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
    // A tab or line break in a tag would split the row.
    QStringList row;
    for (const QString &cell : cells)
        row << OneLineCell(cell);
    FLines << row.join(u'\t');
}

void TITXMakeLibrary::SaveToFile(const QString &path) const
{
    SaveFileOrThrow(path, EncodeListing(FLines));
}

TListingSaved TITXMakeLibrary::SaveIntoFolder(const QString &folder) const
{
    const QString path = AddPathDelim(folder) + kListingName;
    TListingSaved saved;
    QFile old(path);
    if (old.exists()) {
        QByteArray bytes;
        if (old.open(QIODevice::ReadOnly))
            bytes = old.readAll();
        bool utf16 = false;
        QStringList lines = DecodeListing(bytes, &utf16).split(u'\n');
        for (QString &line : lines)
            if (line.endsWith(u'\r'))
                line.chop(1);
        if (old.error() == QFile::NoError && !FLines.isEmpty() && lines.first() == FLines.first()) {
            // The rows of this session that the listing does not have yet (an earlier run into this folder
            // wrote some of them).
            const QSet<QString> present(lines.cbegin(), lines.cend());
            QStringList rows;
            for (const QString &row : FLines.mid(1))
                if (!present.contains(row))
                    rows << row;
            saved = {path, true, int(rows.size()), {}};
            if (rows.isEmpty())
                return saved;
            // The old bytes stay as they are, the new rows in their encoding; a row Shift-JIS cannot hold
            // turns the whole listing into UTF-16.
            QByteArray added;
            if (utf16) {
                added = EncodeUtf16(rows);
            } else if (!EncodeShiftJis(rows, &added)) {
                if (lines.last().isEmpty())
                    lines.removeLast();
                bytes = kUtf16Mark.toByteArray() + EncodeUtf16(lines + rows);
                added.clear();
            }
            const bool lineEnded = utf16 ? bytes.endsWith(QByteArrayView("\n\0", 2)) : bytes.endsWith('\n');
            if (!added.isEmpty() && !bytes.isEmpty() && !lineEnded)
                bytes += utf16 ? QByteArray("\r\0\n\0", 4) : QByteArray("\r\n");
            bytes += added;
            SaveFileOrThrow(path, bytes);
            return saved;
        }
        saved.FKept = path;
    }
    const QByteArray bytes = EncodeListing(FLines);
    QString target = path;
    for (int attempt = 0; attempt < 100 && !target.isEmpty(); ++attempt, target = MakeUniqueFileName(path)) {
        int error = 0;
        if (!PathTaken(target) && SaveNewFile(target, bytes, &error)) {
            saved.FPath = target;
            saved.FRows = int(FLines.size()) - 1;
            return saved;
        }
    }
    throw ESorvoError(Format(tr("ファイル %s を作成できません。%s"),
                             {QDir::toNativeSeparators(path), tr("同じ名前のファイルが多すぎます")}));
}

QString TITXMakeLibrary::SavedText(const TListingSaved &saved)
{
    const QString name = QFileInfo(saved.FPath).fileName();
    if (saved.FAppended)
        //: %1 is the song listing file, %n the number of rows added
        return tr("(一覧表 %1 に %n 行を追加しました)", nullptr, saved.FRows).arg(name);
    if (!saved.FKept.isEmpty())
        //: %1 is a file that has the listing's name but is not a listing, %2 the listing written instead
        return tr("(%1 は一覧表ではないためそのままにし、一覧表を %2 に書きました)")
            .arg(QFileInfo(saved.FKept).fileName(), name);
    //: %1 is the song listing file
    return tr("(一覧表 %1 を書きました)").arg(name);
}
