#pragma once

#include "common/reportlistmodel.h"
#include "music/copyreport.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class IUserDialogs;
class TITBSongList;

/// One row of the transfer failure log.
struct TTransferLogRow
{
    QString FNumber; // running number from 1
    QString FTitle;
    QString FArtist;
    QString FErrorText;
};

/// The "エラー状況" text of an entry's copy result code, untranslated as the log file has it.
QString TransferErrorText(int code);
/// The same in the window's language.
QString ShownTransferErrorText(int code);
/// A row for every entry, song or video, whose copy failed or was made without its tags, in the order
/// the copy took them up.
QList<TTransferLogRow> TransferLogRows(const TITBSongList &songs, const TCopyReport &report);
/// The saved form of the rows: "%s :「%s」(%s) - %s" each.
QStringList TransferLogLines(const QList<TTransferLogRow> &rows);
/// "転送失敗ログ(%s).TXT" with the short date, its "/" turned into "-" so that it stays one file name.
QString TransferLogFileName(const QDate &date);
/// Writes the lines in Shift-JIS with CR LF; raises ESorvoError when the file cannot be written.
void SaveTransferLog(const QList<TTransferLogRow> &rows, const QString &path);
/// "ログを保存(&S)": asks for the file (proposing `folder` + the dated name) and saves; false when cancelled.
/// A file inside the player is refused (ESorvoError).
bool SaveTransferLogAs(const QList<TTransferLogRow> &rows, IUserDialogs &dialogs, const QDate &today,
                       const QString &folder = {}, const QString &playerRoot = {});

/// The transfer log window's list: a row for every entry whose copy failed, pointing at the entry.
class TTransferLogModel : public TReportListModel
{
    Q_OBJECT
public:
    explicit TTransferLogModel(QObject *parent = nullptr);
    /// Rows for the failed entries of a copy report over `songs`, which must outlive the model's use.
    void Fill(const TITBSongList &songs, const TCopyReport &report);
    /// The rows in the shown order, numbered from 1, with their texts untranslated as the log file has them.
    QList<TTransferLogRow> Rows() const;
    /// The same rows with their texts in the user's language, as the console prints them.
    QList<TTransferLogRow> ShownRows() const;

protected:
    QString ItemText(int item, int column) const override;

private:
    QString FileText(int item, int column) const;

    const TITBSongList *FSongs = nullptr;
    QList<TCopyOutcome> FEntries; // item -> what became of an entry
};
