#include "pim/addressform.h"

#include "app/userdialogs.h"
#include "dialogs/guarded.h"
#include "notes/shiftjisloss.h"
#include "notes/usablename.h"
#include "ui_addressform.h"

using namespace Qt::Literals::StringLiterals;

TContactRowsModel::TContactRowsModel(QObject *parent) : TReportListModel({tr("項目"), tr("内容")}, parent) {}

void TContactRowsModel::SetRows(const QList<TContactEditorRow> &rows)
{
    BeginFill();
    FRows = rows;
    EndFill(int(FRows.size()));
}

void TContactRowsModel::SetRowValue(int item, const QString &value)
{
    if (item < 0 || item >= FRows.size())
        return;
    FRows[item].FValue = value;
    ItemChanged(item);
}

QString TContactRowsModel::ItemText(int item, int column) const
{
    const TContactEditorRow &row = FRows.at(item);
    return column == 0 ? row.FCaption : row.FValue;
}

TAddressForm::TAddressForm(IUserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TAddressForm>()), FDialogs(dialogs), FPopupMenu(this)
{
    FUi->setupUi(this);
    setFixedSize(sizeHint());
    FUi->DataListView->SetReportModel(&FModel);
    FUi->DataListView->SetColumnWidths({110, 300});
    FUi->DataListView->setSelectionMode(QAbstractItemView::SingleSelection);
    SetRecord({});
    FPopupMenu.setObjectName(u"PopupMenu_Data"_s);
    FPopupMenu.addAction(FUi->Action_Edit);
    FUi->DataListView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FUi->DataListView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { FPopupMenu.popup(FUi->DataListView->viewport()->mapToGlobal(pos)); });
    const auto edit = [this] { RunGuarded(FDialogs, [this] { EditSelectedContact(); }); };
    connect(FUi->Button_Edit, &QPushButton::clicked, this, edit);
    connect(FUi->Action_Edit, &QAction::triggered, this, edit);
    connect(FUi->DataListView, &TReportListView::ItemActivated, this, edit);
    connect(FUi->Button_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(FUi->Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TAddressForm::~TAddressForm() = default;

void TAddressForm::SetRecord(const TIpodVCF &record)
{
    FModel.SetRows(ContactEditorRows(record));
    FUi->DataListView->SelectItem(0);
}

TIpodVCF TAddressForm::Record() const
{
    return ContactFromEditorRows(FModel.Rows());
}

void TAddressForm::EditSelectedContact()
{
    const QList<int> selected = FUi->DataListView->SelectedItems();
    if (selected.isEmpty())
        return;
    TContactEditorRow row = FModel.Rows().at(selected.first());
    if (EditContactRow(FDialogs, row))
        FModel.SetRowValue(selected.first(), row.FValue);
}

void TAddressForm::accept()
{
    // Closing here would lose what was typed: the save could only refuse the card afterwards.
    if (FFileNameRequired && !IsUsableFileName(Record().FullName)) {
        constexpr int kFullNameRow = 1; // the second row, after 名前
        FUi->DataListView->SelectItem(kFullNameRow);
        FUi->DataListView->setFocus();
        FDialogs.Warning(tr("フルネームが連絡先のファイル名になります。フルネームを、ファイル名に使えない文字"
                            "（\\ / : * ? \" < > |）を含めずに入力してください"));
        return;
    }
    // No stays here, so the user can change what Shift-JIS would turn into "?".
    if (!ConfirmShiftJisSave(FDialogs, TPimCommands::ContactLostCharacters(FTargetFile, Record())))
        return;
    QDialog::accept();
}
