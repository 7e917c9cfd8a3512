#include "pim/delcalform.h"

#include "pim/pimtab.h"
#include "ui_delcalform.h"

TDelCalForm::TDelCalForm(QWidget *parent) : QDialog(parent), FUi(std::make_unique<Ui::TDelCalForm>())
{
    FUi->setupUi(this);
    SetupDatePicker(FUi->DatePick);
    SetupTimePicker(FUi->TimePick);
    SetToNow();
    setFixedSize(sizeHint());
    connect(FUi->SButton_SetNow, &QPushButton::clicked, this, &TDelCalForm::SetToNow);
    connect(FUi->Button_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(FUi->Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TDelCalForm::~TDelCalForm() = default;

TDateTime TDelCalForm::Threshold() const
{
    return PickedDateTime(FUi->DatePick, FUi->TimePick);
}

void TDelCalForm::SetThreshold(TDateTime value)
{
    SetPickers(FUi->DatePick, FUi->TimePick, value);
}

void TDelCalForm::SetToNow()
{
    SetThreshold(NowDateTime());
}
