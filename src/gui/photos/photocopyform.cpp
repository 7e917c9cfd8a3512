#include "photos/photocopyform.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/paths.h"
#include "dialogs/guarded.h"
#include "music/copydestination.h"
#include "ui_photocopyform.h"

#include <QDir>

TPhotoCopyForm::TPhotoCopyForm(TKiruIPodINI &settings, const IDriveTable &drives, IUserDialogs &dialogs,
                               QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TPhotoCopyForm>()), FDrives(drives), FDialogs(dialogs)
{
    FUi->setupUi(this);
    FUi->Edit_Folder->setFocus();
    FUi->Edit_Folder->setText(QDir::toNativeSeparators(settings.FPhotoCopy_Folder));
    connect(FUi->Edit_Folder, &QLineEdit::textChanged, this, &TPhotoCopyForm::FolderChanged);
    connect(FUi->SButton_OpenFolder, &QPushButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { ChooseFolder(); }); });
    connect(FUi->OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(FUi->CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    FolderChanged();
    SetKind(settings.FPhotoCopy_Type, true);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
}

TPhotoCopyForm::~TPhotoCopyForm() = default;

void TPhotoCopyForm::SetKind(int kind, bool changeable)
{
    (kind == 1 ? FUi->Radio_FullSize : FUi->Radio_Thumbnail)->setChecked(true);
    FUi->RGroup_Type->setEnabled(changeable);
}

int TPhotoCopyForm::Kind() const
{
    return FUi->Radio_FullSize->isChecked() ? 1 : 0;
}

QString TPhotoCopyForm::Folder() const
{
    return QDir::fromNativeSeparators(FUi->Edit_Folder->text());
}

void TPhotoCopyForm::FolderChanged()
{
    const TFolderCheck check = CheckDestinationFolder(Folder(), FDrives);
    FUi->OkButton->setEnabled(check.FUsable);
    FUi->Label_DirCheck->setText(check.FText);
}

void TPhotoCopyForm::ChooseFolder()
{
    QString folder = Folder();
    if (FDialogs.BrowseForFolder(folder))
        FUi->Edit_Folder->setText(QDir::toNativeSeparators(NormalizeFolder(folder)));
}
