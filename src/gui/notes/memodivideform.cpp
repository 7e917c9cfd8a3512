#include "notes/memodivideform.h"

#include "ui_memodivideform.h"

TMemoDivideForm::TMemoDivideForm(QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TMemoDivideForm>())
{
    FUi->setupUi(this);
    FUi->Edit_Title->setFocus();
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    FUi->Button_Cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(FUi->Button_Ok, &QPushButton::clicked, this, [this] { Finish(true); });
    connect(FUi->Button_Cancel, &QPushButton::clicked, this, [this] { Finish(false); });
}

TMemoDivideForm::~TMemoDivideForm() = default;

void TMemoDivideForm::SetOptions(const TMemoDivideOptions &o)
{
    FUi->Edit_Title->setText(o.Title);
    FUi->ComboBox_BaseType->setCurrentIndex(
        qBound(0, int(o.MakeDivMode), FUi->ComboBox_BaseType->count() - 1));
    FUi->SpinEdit_BaseSize->setValue(o.MakeWordSize);
    FUi->CheckBox_NextLink->setChecked(o.MakeLink);
    FUi->CheckBox_DelRuby->setChecked(o.MakeDelRuby);
    FUi->CheckBox_Encode->setChecked(o.AddEncoded);
    FUi->CheckBox_PageNo->setChecked(o.MakePageNo);
    FUi->CheckBox_TitleAdd->setChecked(o.AddTitle);
    FUi->CheckBox_CopyDir->setChecked(o.MakeFolder);
    FUi->CheckBox_EveryOn->setChecked(o.EveryDisplay);
}

TMemoDivideOptions TMemoDivideForm::Options() const
{
    TMemoDivideOptions o;
    o.Title = FUi->Edit_Title->text();
    o.MakeDivMode = TMemoDivMode(FUi->ComboBox_BaseType->currentIndex());
    o.MakeWordSize = FUi->SpinEdit_BaseSize->value();
    o.MakeLink = FUi->CheckBox_NextLink->isChecked();
    o.MakeDelRuby = FUi->CheckBox_DelRuby->isChecked();
    o.AddEncoded = FUi->CheckBox_Encode->isChecked();
    o.MakePageNo = FUi->CheckBox_PageNo->isChecked();
    o.AddTitle = FUi->CheckBox_TitleAdd->isChecked();
    o.MakeFolder = FUi->CheckBox_CopyDir->isChecked();
    o.EveryDisplay = FUi->CheckBox_EveryOn->isChecked();
    return o;
}

bool TMemoDivideForm::Execute(TMemoDivideOptions &options)
{
    SetOptions(options);
    // Closing by the window frame counts as not confirmed.
    FConfirmed = false;
    exec();
    if (FConfirmed)
        options = Options();
    return FConfirmed;
}

void TMemoDivideForm::Finish(bool confirmed)
{
    FConfirmed = confirmed;
    if (FConfirmed)
        accept();
    else
        reject();
}
