#include "news/editurlform.h"

#include "app/userdialogs.h"
#include "dialogs/guarded.h"
#include "ui_editurlform.h"

TEditURLForm::TEditURLForm(IUserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TEditURLForm>()), FDialogs(dialogs)
{
    FUi->setupUi(this);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
    // Addresses are typed in Latin letters: no input method.
    FUi->Edit_URL->setAttribute(Qt::WA_InputMethodEnabled, false);
    FUi->Button_Ok->setProperty("tag", 1);
    FUi->Button_Cancel->setProperty("tag", 0);
    connect(FUi->Button_Ok, &QPushButton::clicked, this, [this] { Button_CancelClick(1); });
    connect(FUi->Button_Cancel, &QPushButton::clicked, this, [this] { Button_CancelClick(0); });
    connect(FUi->SpeedButton1, &QPushButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { SpeedButton1Click(); }); });
    connect(FUi->Edit_name, &QLineEdit::textChanged, this, &TEditURLForm::Edit_nameChange);
    Edit_nameChange();
}

TEditURLForm::~TEditURLForm() = default;

bool TEditURLForm::Execute(QString &name, QString &address)
{
    FUi->Edit_name->setText(name);
    FUi->Edit_URL->setText(address);
    FUi->Edit_name->setFocus();
    if (parentWidget()) // centred on the main window
        move(parentWidget()->window()->geometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    name = FUi->Edit_name->text();
    address = FUi->Edit_URL->text();
    return true;
}

void TEditURLForm::Button_CancelClick(int tag)
{
    done(tag == 1 ? QDialog::Accepted : QDialog::Rejected);
}

void TEditURLForm::SpeedButton1Click()
{
    FDialogs.ShellOpen(FUi->Edit_URL->text());
}

void TEditURLForm::Edit_nameChange()
{
    FUi->Button_Ok->setEnabled(!FUi->Edit_name->text().isEmpty());
}
