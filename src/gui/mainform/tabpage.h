#pragma once

#include "app/tabcode.h"

#include <QString>

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

/// The page showing a tab code's list.
int PageOfTabCode(TTabCode tabCode);
/// The tab code loaded when a page is first shown; false for the player and debug pages.
bool TabCodeOfPage(int page, TTabCode &tabCode);

/// A feature tab plugged into the main window: its page, its list loader and its dropped files.
class ITabPage
{
public:
    virtual ~ITabPage() = default;
    /// The widget placed on the tab's page; the page becomes its Qt parent and deletes it.
    virtual QWidget *PageWidget() = 0;
    /// True while the list holds nothing: the tab then loads when it is shown.
    virtual bool ListEmpty() const = 0;
    /// Fills the list from the player.
    virtual void LoadTabData(TTabCode tabCode) = 0;
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
