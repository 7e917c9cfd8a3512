#include "device/debugpage.h"

#include "app/statusline.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "device/debugexport.h"
#include "session/playersession.h"
#include "ui_debugpage.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

TDebugPage::TDebugPage(TTabContext context, QWidget *parent)
    : TTabPage(context, parent), FUi(std::make_unique<Ui::TDebugPage>())
{
    FUi->setupUi(this);
    connect(FUi->SButton_ExportDebugs, &QPushButton::clicked, this,
            [this] { Guarded([this] { ExportDebugFiles(); }); });
}

TDebugPage::~TDebugPage() = default;

void TDebugPage::ExportDebugFiles()
{
    TDebugExportChoice choice;
    choice.songDB = FUi->CheckBox_iTunesDB->isChecked();
    choice.artworkDB = FUi->CheckBox_ArtworkDB->isChecked();
    choice.photoDB = FUi->CheckBox_PhotoDB->isChecked();
    choice.artworkInfo = FUi->CheckBox_ArtworkInfo->isChecked();
    choice.photoInfo = FUi->CheckBox_PhotoInfo->isChecked();
    choice.folderReport = FUi->CheckBox_FolderReport->isChecked();
    choice.deviceReport = FUi->CheckBox_InfoReport->isChecked();
    QString folder = QDir::homePath();
    if (!Dialogs().BrowseForFolder(folder))
        return;
    TPlayerSession &session = Session();
    const TDebugSources sources{session.Player(), session.Songs(), session.Artwork(),
                                session.PhotosLoaded() ? &session.Photos() : nullptr};
    const QStringList written = ExportDebugData(sources, choice, folder);
    Status().SetStatusText(
        Format(tr("%d 個のファイルを書き出しました", nullptr, int(written.size())), {int(written.size())}));
}
