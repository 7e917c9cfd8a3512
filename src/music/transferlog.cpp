#include "music/transferlog.h"

#include "app/sorvoerror.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/japanese.h"
#include "common/paths.h"
#include "music/itunesdbloader.h"
#include "platform/system.h"

#include <QDir>
#include <QLocale>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

QString TransferErrorText(int code)
{
    switch (code) {
    case -3:
        return u"出力先の容量が足りません"_s;
    case -2:
        return u"データファイルが存在しません"_s;
    case -1:
        return u"何らかの理由でデータ転送できません"_s;
    case 0:
        return u"エラーは起きていません"_s;
    default:
        return SystemErrorText(code);
    }
}

QList<TTransferLogRow> TransferLogRows(const TITBSongList &songs)
{
    QList<TTransferLogRow> rows;
    for (const auto &entry : songs)
        if (entry->FCopyFailed || !entry->FCopyNote.isEmpty())
            rows.append(TTransferLogRow{QString::number(rows.size() + 1), entry->FTitle, entry->FArtist,
                                        entry->FCopyFailed ? TransferErrorText(entry->FCopyError)
                                                           : entry->FCopyNote});
    return rows;
}

QStringList TransferLogLines(const QList<TTransferLogRow> &rows)
{
    QStringList lines;
    lines.reserve(rows.size());
    for (const TTransferLogRow &row : rows)
        lines << Format(u"%s :「%s」(%s) - %s"_s, {row.FNumber, row.FTitle, row.FArtist, row.FErrorText});
    return lines;
}

QString TransferLogFileName(const QDate &date)
{
    QString shortDate = QLocale().toString(date, QLocale::ShortFormat);
    shortDate.replace(u'/', u'-');
    shortDate.replace(u'\\', u'-');
    return Format(u"転送失敗ログ(%s).TXT"_s, {shortDate});
}

void SaveTransferLog(const QList<TTransferLogRow> &rows, const QString &path)
{
    QByteArray bytes;
    for (const QString &line : TransferLogLines(rows)) {
        bytes += UnicodeToShiftJis(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ESorvoError(Format(u"ファイル %s を作成できません。%s"_s,
                                 {QDir::toNativeSeparators(path), file.errorString()}));
}

bool SaveTransferLogAs(const QList<TTransferLogRow> &rows, IUserDialogs &dialogs, const QDate &today,
                       const QString &folder)
{
    const QString path = dialogs.SaveFileName(u"ログファイルの保存"_s, u"ログテキストファイル(*.LOG)|*.LOG"_s,
                                              u"TXT"_s, AddPathDelim(folder) + TransferLogFileName(today));
    if (path.isEmpty())
        return false;
    SaveTransferLog(rows, path);
    return true;
}
