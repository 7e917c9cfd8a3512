#include "dialogs/logform.h"

#include "app/userdialogs.h"
#include "dialogs/guarded.h"
#include "ui_logform.h"

#include <QDate>
#include <QHeaderView>

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
    const QString cells[] = {row.FNumber, row.FTitle, row.FArtist, row.FErrorText};
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
    SaveTransferLogAs(Rows(), FDialogs, QDate::currentDate());
}
