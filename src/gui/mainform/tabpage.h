#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class IProgressRunner;
class IStatusLine;
class IUserDialogs;
class TKiruIPodINI;
class TPlayerSession;

/// Page numbers of the main window's page stack, which are also the tab buttons' ids.
enum TPageIndex : int
{
    pgPlayer = 0,
    pgSongs = 1,
    pgNotes = 2,
    pgContacts = 3,
    pgCalendar = 4,
    pgPhotos = 5,
    pgNews = 6,
    pgToDo = 7,
    pgVideos = 8,
    pgDebug = 9,
    pgCount = 10
};

/// What a page of the main window works with: the player session, the settings, the dialog, progress
/// and status-line seams, and the window its own windows open over.
struct TTabContext
{
    TPlayerSession &session;
    TKiruIPodINI &settings;
    IUserDialogs &dialogs;
    IProgressRunner &progress;
    IStatusLine &status;
    QWidget *window;
};

/// One page of the main window. It reads what it shows from the session when it is first shown after a
/// recognition, and follows the session's signals afterwards.
class TTabPage : public QWidget
{
    Q_OBJECT
public:
    explicit TTabPage(TTabContext context, QWidget *parent = nullptr) : QWidget(parent), FContext(context) {}

    /// The page is being shown: focus its list, read it when it has not been read since the recognition.
    virtual void Entering() {}
    /// Whether files dropped on the window go to this page.
    virtual bool AcceptsDrops() const { return false; }
    /// A file dropped on the page (one of several, in the order the system lists them).
    virtual void DropFile(const QString &path) { Q_UNUSED(path); }

protected:
    /// Runs a command so that an error it raises is shown in an error box; false when it failed.
    bool Guarded(const std::function<void()> &command);
    TPlayerSession &Session() const { return FContext.session; }
    TKiruIPodINI &Settings() const { return FContext.settings; }
    IUserDialogs &Dialogs() const { return FContext.dialogs; }
    IProgressRunner &Progress() const { return FContext.progress; }
    IStatusLine &Status() const { return FContext.status; }
    QWidget *Window() const { return FContext.window; }

    TTabContext FContext;
};
