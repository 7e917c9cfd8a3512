#include "pim/scheduleform.h"

#include "common/format.h"
#include "pim/pimtab.h"
#include "ui_scheduleform.h"

using namespace Qt::Literals::StringLiterals;

TScheduleForm::TScheduleForm(QWidget *parent) : QDialog(parent), FUi(std::make_unique<Ui::TScheduleForm>())
{
    FUi->setupUi(this);
    FUi->ComboBox_Summary->setFocus();
    for (QDateEdit *date : {FUi->DatePick_Start, FUi->DatePick_End, FUi->DatePick_Alarm})
        SetupDatePicker(date);
    for (QTimeEdit *time : {FUi->TimePick_Start, FUi->TimePick_End, FUi->TimePick_Alarm})
        SetupTimePicker(time);
    // The choices are suggestions: a new event starts with empty texts.
    for (QComboBox *box : {FUi->ComboBox_Summary, FUi->ComboBox_Category, FUi->ComboBox_Class})
        box->setCurrentIndex(-1);
    Preset(NowDateTime());
    PriorityChanged();
    UpdateEnabled();
    setFixedSize(sizeHint());
    connect(FUi->TrackBar_Priority, &QSlider::valueChanged, this, &TScheduleForm::PriorityChanged);
    connect(FUi->CheckBox_EndTime, &QCheckBox::toggled, this, &TScheduleForm::UpdateEnabled);
    connect(FUi->CheckBox_UseAlarm, &QCheckBox::toggled, this, &TScheduleForm::UpdateEnabled);
    connect(FUi->SButton_EndCopy, &QPushButton::clicked, this,
            [this] { CopyStartTo(FUi->DatePick_End, FUi->TimePick_End); });
    connect(FUi->SButton_AlarmCopy, &QPushButton::clicked, this,
            [this] { CopyStartTo(FUi->DatePick_Alarm, FUi->TimePick_Alarm); });
    connect(FUi->Button_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(FUi->Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TScheduleForm::~TScheduleForm() = default;

void TScheduleForm::PriorityChanged()
{
    FUi->Label_Priority->setText(Format(tr("現在の重要度は [ %d ] です"), {FUi->TrackBar_Priority->value()}));
}

void TScheduleForm::UpdateEnabled()
{
    // The fields of a switched-off end or alarm are not saved; greyed out, they say so.
    const bool end = FUi->CheckBox_EndTime->isChecked();
    const bool alarm = FUi->CheckBox_UseAlarm->isChecked();
    FUi->DatePick_End->setEnabled(end);
    FUi->TimePick_End->setEnabled(end);
    FUi->DatePick_Alarm->setEnabled(alarm);
    FUi->TimePick_Alarm->setEnabled(alarm);
}

void TScheduleForm::SetValues(const TEventEditorValues &v)
{
    FUi->ComboBox_Summary->setCurrentText(v.Summary);
    FUi->Edit_Description->setText(v.Description);
    FUi->ComboBox_Category->setCurrentText(v.Categories);
    FUi->ComboBox_Class->setCurrentText(v.EventClass);
    FUi->TrackBar_Priority->setValue(v.Priority);
    SetPickers(FUi->DatePick_Start, FUi->TimePick_Start, v.Start);
    SetPickers(FUi->DatePick_End, FUi->TimePick_End, v.End);
    SetPickers(FUi->DatePick_Alarm, FUi->TimePick_Alarm, v.Alarm);
    FUi->CheckBox_EndTime->setChecked(v.UseEnd);
    FUi->CheckBox_UseAlarm->setChecked(v.UseAlarm);
}

TEventEditorValues TScheduleForm::Values() const
{
    TEventEditorValues v;
    v.Summary = FUi->ComboBox_Summary->currentText();
    v.Description = FUi->Edit_Description->text();
    v.Categories = FUi->ComboBox_Category->currentText();
    v.EventClass = FUi->ComboBox_Class->currentText();
    v.Priority = FUi->TrackBar_Priority->value();
    v.Start = PickedDateTime(FUi->DatePick_Start, FUi->TimePick_Start);
    v.End = PickedDateTime(FUi->DatePick_End, FUi->TimePick_End);
    v.Alarm = PickedDateTime(FUi->DatePick_Alarm, FUi->TimePick_Alarm);
    v.UseEnd = FUi->CheckBox_EndTime->isChecked();
    v.UseAlarm = FUi->CheckBox_UseAlarm->isChecked();
    return v;
}

void TScheduleForm::Preset(TDateTime value)
{
    SetPickers(FUi->DatePick_Start, FUi->TimePick_Start, value);
    SetPickers(FUi->DatePick_End, FUi->TimePick_End, value);
    SetPickers(FUi->DatePick_Alarm, FUi->TimePick_Alarm, value);
}

void TScheduleForm::CopyStartTo(QDateEdit *date, QTimeEdit *time)
{
    SetPickers(date, time, PickedDateTime(FUi->DatePick_Start, FUi->TimePick_Start));
}
