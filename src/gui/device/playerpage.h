#pragma once

#include "mainform/tabpage.h"

#include <memory>

namespace Ui {
class TPlayerPage;
}
class TBackgroundTask;
struct TPlayerInfo;
struct TRecognition;

/// The player page: what is known of the recognised player, its recognition (run beside the window),
/// safe removal, the device details and settings windows and the manual.
class TPlayerPage : public TTabPage
{
    Q_OBJECT
public:
    TPlayerPage(TTabContext context, const QString &manualFile, QWidget *parent = nullptr);
    ~TPlayerPage() override;

    /// The first time the page is shown, the player is recognised.
    void Entering() override;

    /// "再認識": finds the player and reads its databases beside the window; the session takes them.
    void Recognize();
    /// True until the first recognition has ended, and while one runs.
    bool RecognitionPending() const;
    /// "取り外し": the system's safe removal of the player.
    void RemovePlayer();
    /// "詳細な情報": the device details window.
    void ShowDeviceDetails();
    /// "設定": the settings window.
    void ShowSettings();
    /// "ヘルプ": the manual.
    void OpenManual();
    /// The manual the help button opens.
    QString ManualFile() const;

private:
    void ShowPlayer(const TPlayerInfo &player);
    void ShowNoPlayer();
    void RecognitionEnded(TRecognition recognition, std::exception_ptr error);

    std::unique_ptr<Ui::TPlayerPage> FUi;
    TBackgroundTask *FRecognition = nullptr;
    QString FManualFile;
    bool FAutoRecognize = true;
};
