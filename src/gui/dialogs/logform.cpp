#include "dialogs/logform.h"

#include "app/sorvoerror.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/japanese.h"
#include "dialogs/guarded.h"
#include "music/itunesdbloader.h"
#include "platform/system.h"
#include "ui_logform.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QHeaderView>
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
    for (const auto &song : songs) {
        if (!song->FCopyFailed)
            continue;
        rows.append({QString::number(rows.size() + 1), song->FTitle, song->FArtist,
                     TransferErrorText(song->FCopyError)});
    }
    return rows;
}

QStringList TransferLogLines(const QList<TTransferLogRow> &rows)
{
    QStringList lines;
    for (const TTransferLogRow &row : rows)
        lines.append(Format(u"%s :「%s」(%s) - %s"_s, {row.number, row.title, row.artist, row.error}));
    return lines;
}

QString TransferLogFileName(const QDate &date)
{
    // The short date holds "/" on Japanese systems, which would make the proposal a path.
    QString day = QLocale().toString(date, QLocale::ShortFormat);
    for (QChar &c : day)
        if (c == u'/' || c == u'\\' || c == u':')
            c = u'-';
    return Format(u"転送失敗ログ(%s).TXT"_s, {day});
}

TLogForm::TLogForm(IUserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TLogForm>()), FDialogs(dialogs)
{
    FUi->setupUi(this);
    const int widths[] = {40, 120, 70, 150};
    for (int i = 0; i < 4; ++i)
        FUi->LogListView->setColumnWidth(i, widths[i]);
    connect(FUi->Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(FUi->Button2, &QPushButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { Button2Click(); }); });
}

TLogForm::~TLogForm() = default;

void TLogForm::AddRow(const TTransferLogRow &row)
{
    QTableWidget *view = FUi->LogListView;
    const int r = view->rowCount();
    view->insertRow(r);
    const QString cells[] = {row.number, row.title, row.artist, row.error};
    for (int c = 0; c < 4; ++c)
        view->setItem(r, c, new QTableWidgetItem(cells[c]));
}

void TLogForm::Fill(const TITBSongList &songs)
{
    for (const TTransferLogRow &row : TransferLogRows(songs))
        AddRow(row);
}

QList<TTransferLogRow> TLogForm::Rows() const
{
    QList<TTransferLogRow> rows;
    const QTableWidget *view = FUi->LogListView;
    auto cell = [view](int r, int c) { return view->item(r, c) ? view->item(r, c)->text() : QString(); };
    for (int r = 0; r < view->rowCount(); ++r)
        rows.append({cell(r, 0), cell(r, 1), cell(r, 2), cell(r, 3)});
    return rows;
}

void TLogForm::Button2Click()
{
    const QString path =
        FDialogs.SaveFileName(u"ログファイルの保存"_s, u"ログテキストファイル(*.LOG)|*.LOG"_s, u"TXT"_s,
                              TransferLogFileName(QDate::currentDate()));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    for (const QString &line : TransferLogLines(Rows()))
        bytes += UnicodeToShiftJis(line) + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ESorvoError(Format(u"ファイル %s を作成できません。%s"_s,
                                 {QDir::toNativeSeparators(path), file.errorString()}));
}
