#pragma once

#include "app/mainservices.h"
#include "mainform/tabpage.h"
#include "news/newssitelist.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

namespace Ui {
class TMainForm;
}
class IDriveTable;
class IProgressRunner;
class IUserDialogs;
class QAbstractButton;
class QButtonGroup;
class QLabel;
class QToolButton;
class TKiruIPOD;
class TKiruIPodINI;
class TLagugae;
class TMountWatcher;
class TMPlayerChecker;

/// What the main window is built from; empty members take the program's defaults.
struct TMainFormSetup
{
    QString settingsFile;                // empty: the default settings file
    QStringList drives;                  // roots named with --drive
    IDriveTable *driveTable = nullptr;   // tests give their own table
    IUserDialogs *dialogs = nullptr;     // null: message boxes and file dialogs
    IProgressRunner *progress = nullptr; // null: the progress window
    TMountWatcher *watcher = nullptr;    // null: the system's mount table
    QString modelFile;                   // empty: the default model data file
    QString manualFile;                  // empty: manual/index.html beside the program or in the data folder
    bool debugMode = false;              // "-debug" was given
};

/// The program's main window: the player page, the tab buttons and pages, the status bar; owns the
/// device locator, the settings and the message table for the whole run.
class TMainForm : public QMainWindow, public IMainServices
{
    Q_OBJECT
public:
    explicit TMainForm(const TMainFormSetup &setup, QWidget *parent = nullptr);
    ~TMainForm() override;

    /// Shows the terms of use while they have not been accepted; false when the program is to end.
    bool CheckTerms();

    // Commands of the window; each may raise, the slots that call them show the error.
    void Button_RecognizeClick();
    void iPodSheetEnter();
    void ResetDeviceView();
    void ShowDeviceInfo();
    void UpdateTabButtons();
    void TabButtonClick(QAbstractButton *sender);
    void FormKeyDown(int key);
    /// The mount table changed: resets the window when the recognised player has gone.
    void DeviceChange();
    /// Files dropped on the window, in the order the system lists them.
    void DropFiles(const QStringList &paths);
    void SButton_SpecDataClick(int tag);
    void SButton_RemoveClick();
    void SpeedButton4Click();
    void AutoDownloadNews();
    /// Downloads the ticked news sites onto the player as notes (the news tab's download command).
    void DownloadNews();
    void SButton_ExportDebugsClick();

    // IMainServices
    void SetStatusText(const QString &text) override;
    void ShowProgressText(int position, int total, const QString &message) override;
    void LoadTabData(TTabCode tabCode) override;
    void ShowTransferLog() override;

    /// Plugs a feature tab into its page; the page takes the tab's widget.
    void RegisterTabPage(int page, ITabPage *tab);
    /// The site editor the news tab supplies for dropped files; without one they are added as they are.
    void SetURLEditor(IEditURLDialog *editor) { FURLEditor = editor; }

    int CurrentPage() const;
    void ShowPage(int page);
    QString StatusText(int panel) const;
    bool Connected() const;
    /// The manual the help button opens.
    QString ManualFile() const;

    TKiruIPOD &Device() { return *FDevice; }
    TKiruIPodINI &Settings() { return *FSettings; }
    const TLagugae &Messages() const { return *FMessages; }
    IUserDialogs &Dialogs() { return *FDialogs; }
    IDriveTable &Drives() { return *FDrives; }
    IProgressRunner &Progress() { return *FProgress; }
    TNewsSiteList &NewsSites() { return FNewsSites; }
    /// Sort column and direction of the sortable lists, by list tag 1..5.
    std::array<int, 6> FSortKeys{};
    bool FDebugMode = false;
    bool FAutoRecognize = false;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FormCreate(const TMainFormSetup &setup);
    void FormDestroy();
    void Guarded(const std::function<void()> &command);
    void DropFileOnPage(int page, const QString &path);
    QToolButton *TabButton(int page) const { return FTabButtons[size_t(page)]; }

    std::unique_ptr<Ui::TMainForm> FUi;
    std::unique_ptr<IDriveTable> FOwnDrives;
    std::unique_ptr<IUserDialogs> FOwnDialogs;
    std::unique_ptr<IProgressRunner> FOwnProgress;
    IDriveTable *FDrives = nullptr;
    IUserDialogs *FDialogs = nullptr;
    IProgressRunner *FProgress = nullptr;
    TMountWatcher *FWatcher = nullptr;

    std::unique_ptr<TKiruIPOD> FDevice;
    std::unique_ptr<TKiruIPodINI> FSettings;
    std::unique_ptr<TLagugae> FMessages;
    TNewsSiteList FNewsSites;
    IEditURLDialog *FURLEditor = nullptr;

    std::array<ITabPage *, pgCount> FPages{};
    std::array<QToolButton *, pgCount> FTabButtons{};
    QButtonGroup *FTabGroup = nullptr;
    QLabel *FStatus0 = nullptr;
    QLabel *FStatus1 = nullptr;
    QString FManualFile;
    bool FShown = false;
    bool FInTabClick = false;
    QElapsedTimer FStatusRefresh;
    QAbstractButton *FToggledButton = nullptr; // the tab button a toggle has just switched to
    bool FPendingDeviceChange = false;
};
