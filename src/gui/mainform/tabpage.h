#pragma once

#include <QString>
#include <QStringList>

class QWidget;

/// Page numbers of the main window's page stack, which are also the tab buttons' tags.
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

/// Tab data codes of LoadTabData.
enum TTabCode : int
{
    tcNotes = 0,
    tcContacts = 1,
    tcEvents = 2,
    tcPhotos = 3,
    tcNewsSites = 4,
    tcToDo = 5,
    tcSongs = 6,
    tcVideos = 7
};

/// The page showing a tab code's list; -1 for a code outside 0..7.
int PageOfTabCode(int tabCode);
/// The tab code loaded when a page is first shown; -1 for the player and debug pages.
int TabCodeOfPage(int page);

/// A feature tab plugged into the main window: its page, its list loader and its dropped files.
class ITabPage
{
public:
    virtual ~ITabPage() = default;
    /// The widget placed on the tab's page; the page becomes its Qt parent and deletes it.
    virtual QWidget *PageWidget() = 0;
    /// True while the list holds nothing: the tab then loads when it is shown.
    virtual bool ListEmpty() const = 0;
    /// Fills the list from the player. scratch is an empty list the loader may use for folder listings.
    virtual void LoadTabData(int tabCode, QStringList &scratch) = 0;
    /// Empties the list and whatever it shows of the player.
    virtual void ClearList() = 0;
    /// The tab is being shown (before a first load): focus the list, reset sub-pages.
    virtual void Entering() {}
    /// The tab was shown and has just loaded its list: show its summary.
    virtual void Loaded() {}
    /// The shared data behind the list changed outside the tab (the news sites after a download).
    virtual void DataChanged() {}
    /// A file dropped on the tab; false leaves it to the main window's own handling.
    virtual bool DropFile(const QString &path)
    {
        Q_UNUSED(path);
        return false;
    }
};
