#include "music/songcopycfgform.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/paths.h"
#include "dialogs/guarded.h"
#include "music/copydestination.h"
#include "platform/drivetable.h"
#include "ui_songcopycfgform.h"

#include <QButtonGroup>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

TSongCopyCfgForm::TSongCopyCfgForm(TKiruIPodINI &settings, const IDriveTable &drives, IUserDialogs &dialogs,
                                   TCopyKind kind, QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TSongCopyCfgForm>()), FSettings(settings), FDrives(drives),
      FDialogs(dialogs), FKind(kind)
{
    FUi->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    FNameTypes = new QButtonGroup(this);
    FNameTypes->addButton(FUi->RadioButton_ArtistTitle, 0);
    FNameTypes->addButton(FUi->RadioButton_Title, 1);
    FNameTypes->addButton(FUi->RadioButton_Keep, 2);

    int nameType = 0;
    if (kind == TCopyKind::Videos) {
        setWindowTitle(tr("ビデオデータの取り出し"));
        FUi->GroupBox_Detail->setTitle(tr("ビデオデータの取り出し詳細設定"));
        FUi->Edit_Folder->setText(settings.FVideoFolder);
        FUi->CheckBox_MkDirArtist->setChecked(settings.FMakeArtistFolder);
        FUi->CheckBox_MkDirAlbum->setChecked(settings.FMakeAlbumFolder);
        FUi->CheckBox_AddTrackNo->setEnabled(false);
        FUi->CheckBox_MkImportData->setChecked(settings.FMakeImportFile);
        FUi->CheckBox_EmbedTags->setChecked(settings.FVideoCopy_EmbedTags);
        nameType = settings.FMakeType;
    } else {
        FUi->Edit_Folder->setText(settings.FSongCopy_Folder);
        FUi->CheckBox_MkDirArtist->setChecked(settings.FMakeFolder_Artist);
        FUi->CheckBox_MkDirAlbum->setChecked(settings.FMakeFolder_Album);
        FUi->CheckBox_AddTrackNo->setChecked(settings.FAddTrackNo);
        FUi->CheckBox_MkImportData->setChecked(settings.FMakeLibraryData);
        FUi->CheckBox_EmbedTags->setChecked(settings.FSongCopy_EmbedTags);
        nameType = settings.FMakingNameType;
    }
    // A value outside the three choices (a hand-edited file) ticks none, and is stored back unchanged.
    if (QAbstractButton *button = FNameTypes->button(nameType))
        button->setChecked(true);
    FolderChanged();
    FUi->Edit_Folder->setFocus();

    connect(FUi->Edit_Folder, &QLineEdit::textChanged, this, &TSongCopyCfgForm::FolderChanged);
    connect(FUi->SButton_OpenFolder, &QToolButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { ChooseFolder(); }); });
    connect(FUi->Button_Ok, &QPushButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { Confirm(); }); });
    connect(FUi->Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TSongCopyCfgForm::~TSongCopyCfgForm() = default;

void TSongCopyCfgForm::FolderChanged()
{
    const TFolderCheck check = CheckDestinationFolder(FUi->Edit_Folder->text(), FDrives);
    FUi->Button_Ok->setEnabled(check.FUsable);
    FUi->Label_DirCheck->setText(check.FText);
}

void TSongCopyCfgForm::ChooseFolder()
{
    QString folder = FUi->Edit_Folder->text();
    if (FDialogs.BrowseForFolder(folder))
        FUi->Edit_Folder->setText(
            QDir::toNativeSeparators(NormalizeFolder(QDir::fromNativeSeparators(folder))));
}

void TSongCopyCfgForm::Confirm()
{
    const QString text = FUi->Edit_Folder->text();
    if (!FPlayerRoot.isEmpty())
        RefuseFolderInPlayer(AddPathDelim(QDir::fromNativeSeparators(text)), FPlayerRoot);
    if (!ConfirmDestinationFolder(QDir::fromNativeSeparators(text), FDialogs))
        return;
    const QString folder = AddPathDelim(QDir::fromNativeSeparators(text));
    const int checkedType = FNameTypes->checkedId();
    if (FKind == TCopyKind::Videos) {
        FSettings.FVideoFolder = folder;
        FSettings.FMakeArtistFolder = FUi->CheckBox_MkDirArtist->isChecked();
        FSettings.FMakeAlbumFolder = FUi->CheckBox_MkDirAlbum->isChecked();
        FSettings.FMakeImportFile = FUi->CheckBox_MkImportData->isChecked();
        FSettings.FVideoCopy_EmbedTags = FUi->CheckBox_EmbedTags->isChecked();
        if (checkedType >= 0)
            FSettings.FMakeType = checkedType;
    } else {
        FSettings.FSongCopy_Folder = folder;
        FSettings.FMakeFolder_Artist = FUi->CheckBox_MkDirArtist->isChecked();
        FSettings.FMakeFolder_Album = FUi->CheckBox_MkDirAlbum->isChecked();
        FSettings.FAddTrackNo = FUi->CheckBox_AddTrackNo->isChecked();
        FSettings.FMakeLibraryData = FUi->CheckBox_MkImportData->isChecked();
        FSettings.FSongCopy_EmbedTags = FUi->CheckBox_EmbedTags->isChecked();
        if (checkedType >= 0)
            FSettings.FMakingNameType = checkedType;
    }
    FConfirmed = true;
    accept();
}
