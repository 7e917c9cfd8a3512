#pragma once

#include "pim/pimcommands.h"

#include <QList>
#include <QKeySequence>

class QAction;
class QMenu;
class QWidget;
class TMainForm;
class TReportListView;

/// The contacts, events and tasks commands over the recognised player's folders.
TPimCommands PimCommands(TMainForm &form);
/// Asks for one file of the kind (contact or calendar) and brings it onto the player.
void ImportPimFile(TMainForm &form, int kind);
/// Puts the action into the list's pop-up menu; its shortcut works while the list has the focus.
void AddListAction(QMenu &menu, TReportListView *view, QAction *action,
                   const QList<QKeySequence> &shortcuts = {});
/// Shows the menu at the pointer when the list is right-clicked.
void UsePopupMenu(TReportListView *view, QMenu &menu);
/// The keys of "Enter" in the menus: the main Return key and the keypad's Enter.
QList<QKeySequence> EnterKeys();
