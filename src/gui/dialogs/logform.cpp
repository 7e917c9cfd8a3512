#include "dialogs/logform.h"

#include "app/userdialogs.h"
#include "dialogs/guarded.h"
#include "ui_logform.h"

#include <QDate>

TLogForm::TLogForm(IUserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TLogForm>()), FDialogs(dialogs)
{
    FUi->setupUi(this);
    FUi->LogListView->SetReportModel(&FModel);
    FUi->LogListView->SetColumnWidths({40, 120, 90, 130}); // アーティスト whole in its header
    connect(FUi->Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(FUi->Button2, &QPushButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { SaveLogAs(); }); });
}

TLogForm::~TLogForm() = default;

void TLogForm::Fill(const TITBSongList &songs, const TCopyReport &report)
{
    FModel.Fill(songs, report);
    FPlayerRoot = report.FPlayerRoot;
}

QList<TTransferLogRow> TLogForm::Rows() const
{
    return FModel.Rows();
}

void TLogForm::SaveLogAs()
{
    SaveTransferLogAs(Rows(), FDialogs, QDate::currentDate(), {}, FPlayerRoot);
}

void TTransferLogServices::ShowTransferLog(const TCopyReport &report)
{
    TLogForm form(FDialogs, FOwner);
    form.Fill(FSongs, report);
    form.exec();
}
