#include "pim/todoform.h"

#include "pim/pimtab.h"
#include "ui_todoform.h"

TToDoForm::TToDoForm(QWidget *parent) : QDialog(parent), FUi(std::make_unique<Ui::TToDoForm>())
{
    FUi->setupUi(this);
    FUi->ComboBox_Summary->setFocus();
    SetupDatePicker(FUi->DatePick_Start);
    SetupTimePicker(FUi->TimePick_Start);
    FUi->ComboBox_Summary->setCurrentIndex(-1);
    Preset(NowDateTime());
    setFixedSize(sizeHint());
    connect(FUi->Button_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(FUi->Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TToDoForm::~TToDoForm() = default;

void TToDoForm::SetValues(const TTaskEditorValues &v)
{
    FUi->ComboBox_Summary->setCurrentText(v.Summary);
    FUi->Edit_Description->setText(v.Description);
    Preset(v.Due);
}

TTaskEditorValues TToDoForm::Values() const
{
    TTaskEditorValues v;
    v.Summary = FUi->ComboBox_Summary->currentText();
    v.Description = FUi->Edit_Description->text();
    v.Due = PickedDateTime(FUi->DatePick_Start, FUi->TimePick_Start);
    return v;
}

void TToDoForm::Preset(TDateTime value)
{
    SetPickers(FUi->DatePick_Start, FUi->TimePick_Start, value);
}
