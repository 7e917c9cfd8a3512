#include "music/transferlog.h"

#include "app/userdialogs.h"
#include "common/format.h"
#include "common/japanese.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "music/copydestination.h"
#include "music/songdb.h"
#include "platform/safefilewriter.h"
#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The source text of one of the log's own reasons; null for a system error code.
const char *OwnErrorText(int code)
{
    switch (code) {
    case -7:
        return QT_TRANSLATE_NOOP("TransferLog", "出力先にフォルダと同じ名前のファイルがあります");
    case -6:
        return QT_TRANSLATE_NOOP("TransferLog",
                                 "プレーヤー上のファイルがプレーヤーの外を指しているため、コピーしません");
    case -5:
        return QT_TRANSLATE_NOOP("TransferLog", "出力先のフォルダがプレーヤーの中を指しています");
    case -4:
        return QT_TRANSLATE_NOOP("TransferLog", "データベースに曲の場所が記録されていません");
    case -3:
        return QT_TRANSLATE_NOOP("TransferLog", "出力先の容量が足りません");
    case -2:
        return QT_TRANSLATE_NOOP("TransferLog", "データファイルが存在しません");
    case -1:
        return QT_TRANSLATE_NOOP("TransferLog", "何らかの理由でデータ転送できません");
    case 0:
        return QT_TRANSLATE_NOOP("TransferLog", "エラーは起きていません");
    default:
        return nullptr;
    }
}

} // namespace

QString TransferErrorText(int code)
{
    const char *text = OwnErrorText(code);
    return text ? QString::fromUtf8(text) : SystemErrorText(code);
}

QString ShownTransferErrorText(int code)
{
    const char *text = OwnErrorText(code);
    return text ? QCoreApplication::translate("TransferLog", text) : SystemErrorText(code);
}

QList<TTransferLogRow> TransferLogRows(const TITBSongList &songs, const TCopyReport &report)
{
    TTransferLogModel model;
    model.Fill(songs, report);
    return model.Rows();
}

TTransferLogModel::TTransferLogModel(QObject *parent)
    : TReportListModel({u"#"_s, tr("曲名"), tr("アーティスト"), tr("エラー状況")}, parent)
{}

void TTransferLogModel::Fill(const TITBSongList &songs, const TCopyReport &report)
{
    BeginFill();
    FSongs = &songs;
    FEntries.clear();
    for (const TCopyOutcome &outcome : report.FOutcomes)
        if ((outcome.Failed() || !outcome.FNote.isEmpty()) && outcome.FIndex >= 0 &&
            outcome.FIndex < songs.Count())
            FEntries.append(outcome);
    EndFill(int(FEntries.size()));
}

QString TTransferLogModel::ItemText(int item, int column) const
{
    if (column == 3) {
        const TCopyOutcome &outcome = FEntries.at(item);
        if (outcome.Failed())
            return ShownTransferErrorText(outcome.FError);
        return outcome.FShownNote.isEmpty() ? outcome.FNote : outcome.FShownNote;
    }
    return FileText(item, column);
}

QString TTransferLogModel::FileText(int item, int column) const
{
    const TCopyOutcome &outcome = FEntries.at(item);
    const TITBSongItem &entry = FSongs->Items(outcome.FIndex);
    switch (column) {
    case 0:
        return QString::number(item + 1);
    case 1:
        return entry.Title();
    case 2:
        return entry.Artist();
    default:
        return outcome.Failed() ? TransferErrorText(outcome.FError) : outcome.FNote;
    }
}

QList<TTransferLogRow> TTransferLogModel::Rows() const
{
    QList<TTransferLogRow> rows;
    rows.reserve(rowCount());
    for (int item : Order())
        rows.append({FileText(item, 0), FileText(item, 1), FileText(item, 2), FileText(item, 3)});
    return rows;
}

QList<TTransferLogRow> TTransferLogModel::ShownRows() const
{
    QList<TTransferLogRow> rows;
    rows.reserve(rowCount());
    for (int item : Order())
        rows.append({ItemText(item, 0), ItemText(item, 1), ItemText(item, 2), ItemText(item, 3)});
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
    SaveFileOrThrow(path, bytes);
}

bool SaveTransferLogAs(const QList<TTransferLogRow> &rows, IUserDialogs &dialogs, const QDate &today,
                       const QString &folder, const QString &playerRoot)
{
    const QString path =
        dialogs.SaveFileName(QCoreApplication::translate("TransferLog", "ログファイルの保存"),
                             QCoreApplication::translate("TransferLog", "ログテキストファイル(*.LOG)|*.LOG"),
                             u"TXT"_s, AddPathDelim(folder) + TransferLogFileName(today));
    if (path.isEmpty())
        return false;
    RefuseFileInPlayer(path, playerRoot);
    SaveTransferLog(rows, path);
    return true;
}
