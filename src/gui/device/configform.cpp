#include "device/configform.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/sorvoerror.h"
#include "dialogs/guarded.h"
#include "news/newsdownloader.h"
#include "platform/drivetable.h"
#include "ui_configform.h"

#include <QDir>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

TConfigForm::TConfigForm(TKiruIPodINI &settings, const IDriveTable &drives, IUserDialogs &dialogs,
                         QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TConfigForm>()), FSettings(settings), FDialogs(dialogs)
{
    FUi->setupUi(this);
    for (const QString &root : drives.Candidates())
        FUi->ComboBox_Drive->addItem(QDir::toNativeSeparators(root));

    FUi->PageControl1->setCurrentIndex(0);
    FUi->ChkBox_DriveLock->setChecked(settings.FRecognize_MakeFolder);
    FUi->ComboBox_Drive->setEditText(settings.FDriveLockPath);
    FUi->Edit_NewsFolder->setText(settings.FSaveFolder);
    FUi->CheckBox_RSS_AddDate->setChecked(settings.FAddRSSDate);
    FUi->CheckBox_RSS_AddURL->setChecked(settings.FAddRSSURL);
    FUi->ChkBox_NewsAutoUpload->setChecked(settings.FAutoDownLoad);
    FUi->CheckBox_PageNo->setChecked(settings.FMakePageNo);
    FUi->CheckBox_CopyDir->setChecked(settings.FTextDivide_MakeFolder);
    FUi->CheckBox_NextLink->setChecked(settings.FMakeLink);
    FUi->CheckBox_TitleAdd->setChecked(settings.FAddTitle);
    FUi->SpinEdit_BaseSize->setValue(settings.FMakeWordSize);
    FUi->CheckBox_DelRuby->setChecked(settings.FMakeDelRuby);
    FUi->CheckBox_Encode->setChecked(settings.FAddEncoded);
    FUi->CheckBox_MemDivEveryOn->setChecked(settings.FEveryDisplay);
    // Each language by its own name, so that a user who cannot read the current one still finds theirs.
    FUi->ComboBox_Language->addItem(tr("システムに合わせる"), QString());
    FUi->ComboBox_Language->addItem(u"日本語"_s, u"ja"_s);
    FUi->ComboBox_Language->addItem(u"English"_s, u"en"_s);
    FUi->ComboBox_Language->setCurrentIndex(
        std::max(0, FUi->ComboBox_Language->findData(settings.FLanguage)));

    connect(FUi->Button_Ok, &QPushButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { Confirm(); }); });
    connect(FUi->Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(sizeHint().expandedTo(size()));
}

TConfigForm::~TConfigForm() = default;

void TConfigForm::Confirm()
{
    // The save folder is checked as the news download checks it, before anything is stored.
    TKiruIPodINI proposed = FSettings;
    proposed.FSaveFolder = FUi->Edit_NewsFolder->text();
    proposed.FTextDivide_MakeFolder = FUi->CheckBox_CopyDir->isChecked();
    try {
        TNewsDownloader(proposed, FDialogs).DestinationFolder(u"/"_s);
    } catch (const ESorvoError &e) {
        FUi->PageControl1->setCurrentWidget(FUi->TabSheet2);
        FUi->Edit_NewsFolder->setFocus();
        FDialogs.Warning(e.Message());
        return;
    }

    FSettings.FRecognize_MakeFolder = FUi->ChkBox_DriveLock->isChecked();
    FSettings.FDriveLockPath = FUi->ComboBox_Drive->currentText();
    FSettings.FSaveFolder = FUi->Edit_NewsFolder->text();
    FSettings.FAddRSSDate = FUi->CheckBox_RSS_AddDate->isChecked();
    FSettings.FAddRSSURL = FUi->CheckBox_RSS_AddURL->isChecked();
    FSettings.FAutoDownLoad = FUi->ChkBox_NewsAutoUpload->isChecked();
    FSettings.FMakePageNo = FUi->CheckBox_PageNo->isChecked();
    FSettings.FTextDivide_MakeFolder = FUi->CheckBox_CopyDir->isChecked();
    FSettings.FMakeLink = FUi->CheckBox_NextLink->isChecked();
    FSettings.FAddTitle = FUi->CheckBox_TitleAdd->isChecked();
    FSettings.FMakeWordSize = FUi->SpinEdit_BaseSize->value();
    FSettings.FMakeDelRuby = FUi->CheckBox_DelRuby->isChecked();
    FSettings.FAddEncoded = FUi->CheckBox_Encode->isChecked();
    FSettings.FEveryDisplay = FUi->CheckBox_MemDivEveryOn->isChecked();
    FSettings.FLanguage = FUi->ComboBox_Language->currentData().toString();
    accept();
}
