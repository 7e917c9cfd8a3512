#include "device/playerpage.h"
#include "app/language.h"

#include "app/backgroundtask.h"
#include "app/messages.h"
#include "app/settings.h"
#include "app/statusline.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/paths.h"
#include "device/configform.h"
#include "device/specform.h"
#include "mainform/elidedpath.h"
#include "platform/eject.h"
#include "session/playersession.h"
#include "ui_playerpage.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

TPlayerPage::TPlayerPage(TTabContext context, const QString &manualFile, QWidget *parent)
    : TTabPage(context, parent), FUi(std::make_unique<Ui::TPlayerPage>()), FManualFile(manualFile)
{
    FUi->setupUi(this);
    FUi->SButton_Config->setIcon(QIcon(u":/icons/config.png"_s));
    FUi->SButton_SpecData->setIcon(QIcon(u":/icons/details.png"_s));
    FUi->SpeedButton4->setIcon(QIcon(u":/icons/help.png"_s));
    FUi->SButton_Remove->setIcon(QIcon(u":/icons/remove.png"_s));
    FUi->SButton_Recognize->setIcon(QIcon(u":/icons/recognize.png"_s));
#ifndef Q_OS_WIN
    FUi->Label_Product->setText(u"Sorvo for Linux"_s);
#endif
    FRecognition = new TBackgroundTask(this);
    connect(FUi->SButton_Recognize, &QPushButton::clicked, this,
            [this] { Guarded([this] { Recognize(); }); });
    connect(FUi->SButton_SpecData, &QPushButton::clicked, this,
            [this] { Guarded([this] { ShowDeviceDetails(); }); });
    connect(FUi->SButton_Config, &QPushButton::clicked, this,
            [this] { Guarded([this] { ShowSettings(); }); });
    connect(FUi->SButton_Remove, &QPushButton::clicked, this,
            [this] { Guarded([this] { RemovePlayer(); }); });
    connect(FUi->SpeedButton4, &QPushButton::clicked, this, [this] { Guarded([this] { OpenManual(); }); });
    connect(&Session(), &TPlayerSession::playerFound, this, &TPlayerPage::ShowPlayer);
    connect(&Session(), &TPlayerSession::playerLost, this, &TPlayerPage::ShowNoPlayer);
    // The files counted in the music folder and the songs of the database differ by design; both are shown.
    connect(&Session(), &TPlayerSession::songsLoaded, this, [this] {
        FUi->Panel_IPListedSongs->setText(Format(tr("%.0n 曲", nullptr, Session().Songs().ListedSongCount()),
                                                 {Session().Songs().ListedSongCount()}));
    });
    ShowNoPlayer();
}

TPlayerPage::~TPlayerPage() = default;

void TPlayerPage::Entering()
{
    if (!FAutoRecognize)
        return;
    FAutoRecognize = false;
    Guarded([this] { Recognize(); });
}

bool TPlayerPage::RecognitionPending() const
{
    return FAutoRecognize || FRecognition->Running();
}

void TPlayerPage::Recognize()
{
    if (FRecognition->Running())
        return;
    FAutoRecognize = false;
    FUi->SButton_Recognize->setEnabled(false);
    TKiruIPOD &locator = Session().Locator();
    locator.UseDriveLock(Settings());
    // The locator's progress goes to the status line from the worker, by queued calls.
    IStatusLine *status = &Status();
    QObject *receiver = this;
    locator.SetOnProgress([status, receiver](qint64 position, qint64 total, const QString &message) {
        const auto clamp = [](qint64 v) { return int(qBound(qint64(INT_MIN), v, qint64(INT_MAX))); };
        QMetaObject::invokeMethod(
            receiver,
            [status, p = clamp(position), t = clamp(total), message] {
                status->ShowProgressText(p, t, message);
            },
            Qt::QueuedConnection);
    });
    auto result = std::make_shared<TRecognition>();
    IUserDialogs *dialogs = &Dialogs();
    FRecognition->Start(
        [&locator, dialogs, result] { *result = RecognizePlayer(locator, dialogs); },
        [this, result](std::exception_ptr error) { RecognitionEnded(std::move(*result), error); });
}

void TPlayerPage::RecognitionEnded(TRecognition recognition, std::exception_ptr error)
{
    Session().Locator().SetOnProgress({});
    const TLagugae &messages = Session().Messages();
    if (error || !recognition.FFound) {
        // A damaged database leaves no half-read player behind.
        Session().Locator().Clear();
        FUi->SButton_Recognize->setEnabled(!Session().Connected());
        Status().SetStatusText(messages.GetText("MSG_RECG_FAL"));
        if (error)
            Guarded([error] { std::rethrow_exception(error); });
        return;
    }
    const bool endedEarly = recognition.FSongs->FEndedEarly;
    const int songs = recognition.FSongs->FSongs.Count();
    Session().Adopt(std::move(recognition));
    Status().SetStatusText(
        Format(messages.GetText("MSG_RECG_SUC"), {QDir::toNativeSeparators(Session().Player().FRoot)}));
    if (endedEarly)
        Status().SetStatusText(EndedEarlyText(songs));
}

void TPlayerPage::ShowPlayer(const TPlayerInfo &player)
{
    FUi->SButton_Recognize->setEnabled(false);
    FUi->SButton_SpecData->setVisible(true);
    FUi->SButton_SpecData->setEnabled(true);
    FUi->SButton_Remove->setEnabled(true);
    FUi->Panel_Recognize->setText(Session().Messages().GetText("MSG_RECG_HAD"));
    FUi->Panel_IPName->setText(player.FName);
    ShowElidedPath(FUi->Panel_IPDrive, QDir::toNativeSeparators(player.FRoot));
    FUi->Panel_IPSize->setText(Format(u"%.0n MB"_s, {player.FTotalBytes >> 20}));
    FUi->Panel_IPFreeSize->setText(Format(u"%.0n MB"_s, {player.FFreeBytes >> 20}));
    FUi->Panel_IPMusicSize->setText(Format(u"%.0n MB"_s, {player.FSongBytes >> 20}));
    FUi->Panel_IPMusicCount->setText(Format(tr("%.0n 曲", nullptr, player.FSongCount), {player.FSongCount}));
}

void TPlayerPage::ShowNoPlayer()
{
    FUi->SButton_Recognize->setEnabled(!FRecognition->Running());
    FUi->SButton_SpecData->setEnabled(false);
    FUi->SButton_SpecData->setVisible(false);
    FUi->SButton_Remove->setEnabled(false);
    FUi->Panel_Recognize->setText(Session().Messages().GetText("MSG_RECG_NOT"));
    for (QLabel *panel : {FUi->Panel_IPName, FUi->Panel_IPSize, FUi->Panel_IPFreeSize,
                          FUi->Panel_IPMusicCount, FUi->Panel_IPListedSongs, FUi->Panel_IPMusicSize})
        panel->clear();
    ShowElidedPath(FUi->Panel_IPDrive, QString());
}

void TPlayerPage::ShowDeviceDetails()
{
    TSpecForm form(Session().Player(), Dialogs(), Window());
    form.exec();
}

void TPlayerPage::ShowSettings()
{
    TConfigForm form(Settings(), Session().Drives(), Dialogs(), Window());
    form.exec();
}

void TPlayerPage::RemovePlayer()
{
    QString error;
    if (!EjectPlayer(Session().Player().FRoot, error))
        Dialogs().Warning(Format(tr("iPodを取り外せませんでした。\n%s"), {error}));
}

QString TPlayerPage::ManualFile() const
{
    if (!FManualFile.isEmpty())
        return FManualFile;
    // The manual in the language of the window; the Japanese one when the English one is missing.
    if (CurrentUiLanguage() == TUiLanguage::English) {
        const QString english = ProgramDataFile(u"manual/en/index.html"_s);
        if (QFileInfo::exists(english))
            return english;
    }
    return ProgramDataFile(u"manual/index.html"_s);
}

void TPlayerPage::OpenManual()
{
    const QString manual = ManualFile();
    if (QFileInfo::exists(manual))
        Dialogs().ShellOpen(manual);
    else
        Dialogs().Warning(tr("Sorvoのヘルプが見つかりません"));
}
