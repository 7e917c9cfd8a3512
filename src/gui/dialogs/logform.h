#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace Ui {
class TLogForm;
}
class IUserDialogs;
class TITBSongList;

/// One row of the transfer failure log.
struct TTransferLogRow
{
    QString number;
    QString title;
    QString artist;
    QString error;
};

/// The text of a transfer result code.
QString TransferErrorText(int code);
/// A row for every entry whose copy failed, numbered from 1 in list order.
QList<TTransferLogRow> TransferLogRows(const TITBSongList &songs);
/// The lines of the saved log: "%s :「%s」(%s) - %s".
QStringList TransferLogLines(const QList<TTransferLogRow> &rows);
/// "転送失敗ログ(%s).TXT" with the date written so that it is one file name.
QString TransferLogFileName(const QDate &date);

/// The window listing the songs that could not be copied, with a save button.
class TLogForm : public QDialog
{
    Q_OBJECT
public:
    TLogForm(IUserDialogs &dialogs, QWidget *parent = nullptr);
    ~TLogForm() override;

    void AddRow(const TTransferLogRow &row);
    void Fill(const TITBSongList &songs);
    QList<TTransferLogRow> Rows() const;

    /// Asks for a file and writes the rows as Shift-JIS lines; raises ESorvoError when it cannot write.
    void Button2Click();

private:
    std::unique_ptr<Ui::TLogForm> FUi;
    IUserDialogs &FDialogs;
};
