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
    connect(FUi->Button_Ok, &QPushButton::clicked, this, [this] { Finish(true); });
    connect(FUi->Button_Cancel, &QPushButton::clicked, this, [this] { Finish(false); });
    connect(FUi->SpeedButton1, &QPushButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { OpenAddress(); }); });
    connect(FUi->Edit_name, &QLineEdit::textChanged, this, &TEditURLForm::NameChanged);
    NameChanged();
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

void TEditURLForm::Finish(bool accepted)
{
    done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

void TEditURLForm::OpenAddress()
{
    FDialogs.ShellOpen(FUi->Edit_URL->text());
}

void TEditURLForm::NameChanged()
{
    FUi->Button_Ok->setEnabled(!FUi->Edit_name->text().isEmpty());
}
