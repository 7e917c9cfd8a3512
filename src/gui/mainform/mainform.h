#pragma once

#include "app/statusline.h"
#include "mainform/tabpage.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

namespace Ui {
class TMainForm;
}
class IDriveTable;
class IProgressRunner;
class IUserDialogs;
class QButtonGroup;
class QLabel;
class QToolButton;
class TGuiThreadDialogs;
class TKiruIPodINI;
class TMountWatcher;
class TPlayerPage;
class TPlayerSession;
struct TPlayerInfo;

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

/// The program's window: the tab buttons and the page stack they drive, the status line, the window's
/// place, and the watch for the player going away. Owns the settings and the player session.
class TMainForm : public QMainWindow, public IStatusLine
{
    Q_OBJECT
public:
    explicit TMainForm(const TMainFormSetup &setup, QWidget *parent = nullptr);
    ~TMainForm() override;

    /// Shows the terms of use while they have not been accepted; false when the program is to end.
    bool CheckTerms();

    /// Plugs a page into the page stack; the stack takes the widget.
    void RegisterTabPage(int page, TTabPage *tab);
    /// What every page is given.
    TTabContext Context();

    /// Shows a page through its tab button, as a click or its function key does; false when the button
    /// is hidden.
    bool ShowTab(int page);
    /// Shows a page whatever its button says, as if it had been chosen.
    void ShowPage(int page) { PageChosen(page); }
    int CurrentPage() const;
    /// The page's widget; null for a page without one.
    TTabPage *Page(int page) const { return FPages[size_t(page)]; }
    TPlayerPage *PlayerPage() const;
    QToolButton *TabButton(int page) const { return FTabButtons[size_t(page)]; }

    /// Files dropped on the window, in the order the system lists them.
    void DropFiles(const QStringList &paths);
    /// The mount table changed: forgets the player when it has gone.
    void DeviceChange();

    // IStatusLine
    void SetStatusText(const QString &text) override;
    void ShowProgressText(int position, int total, const QString &message) override;
    QString StatusText(int panel) const;

    TPlayerSession &Session() { return *FSession; }
    TKiruIPodINI &Settings() { return *FSettings; }
    IUserDialogs &Dialogs();
    IProgressRunner &Progress() { return *FProgress; }
    bool DebugMode() const { return FDebugMode; }
    /// The manual named at start; empty for the installed one.
    const QString &ManualFile() const { return FManualFile; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    /// The player was recognised: the tab buttons of what it holds appear.
    void ShowPlayerTabs(const TPlayerInfo &player);
    /// Back to the player page with only its button: no player.
    void HidePlayerTabs();
    /// The page of a tab button has been chosen (click, function key, accessible action).
    void PageChosen(int page);
    void PlaceWindow(const QSize &windowSize);
    void StoreState();

    std::unique_ptr<Ui::TMainForm> FUi;
    std::unique_ptr<IDriveTable> FOwnDrives;
    std::unique_ptr<IUserDialogs> FOwnDialogs;
    std::unique_ptr<TGuiThreadDialogs> FDialogs;
    std::unique_ptr<IProgressRunner> FOwnProgress;
    IProgressRunner *FProgress = nullptr;
    TMountWatcher *FWatcher = nullptr;
    std::unique_ptr<TKiruIPodINI> FSettings;
    std::unique_ptr<TPlayerSession> FSession;

    std::array<TTabPage *, pgCount> FPages{};
    std::array<QToolButton *, pgCount> FTabButtons{};
    QButtonGroup *FTabGroup = nullptr;
    QLabel *FStatus0 = nullptr;
    QLabel *FStatus1 = nullptr;
    QString FManualFile;
    bool FDebugMode = false;
    bool FShown = false;
    int FPressedDown = -1; // the tab button pressed while it was already down
};
