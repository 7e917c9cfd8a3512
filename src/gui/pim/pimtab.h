#pragma once

#include "pim/pimcommands.h"
#include "pim/pimeditors.h"

#include <QList>
#include <QKeySequence>

class QAction;
class QDateEdit;
class QTimeEdit;
class TPimListModel;
class QMenu;
class QWidget;
class TMainForm;
enum TImportKind : int;
class TReportListView;

/// The contacts, events and tasks commands over the recognised player's folders.
TPimCommands PimCommands(TMainForm &form);
/// Asks for one file of the kind (contact or calendar) and brings it onto the player.
void ImportPimFile(TMainForm &form, TImportKind kind);
/// Puts the action into the list's pop-up menu; its shortcut works while the list has the focus.
void AddListAction(QMenu &menu, TReportListView *view, QAction *action,
                   const QList<QKeySequence> &shortcuts = {});
/// Shows the menu at the pointer when the list is right-clicked.
void UsePopupMenu(TReportListView *view, QMenu &menu);
/// The keys of "Enter" in the menus: the main Return key and the keypad's Enter.
QList<QKeySequence> EnterKeys();

/// An up-down date field: no pop-up calendar, the whole date held whatever part it shows.
void SetupDatePicker(QDateEdit *picker, const QString &format = QStringLiteral("yyyy/MM/dd"));
/// A time field shown as "午前 09時16分".
void SetupTimePicker(QTimeEdit *picker);
void SetPickers(QDateEdit *date, QTimeEdit *time, TDateTime value);
/// The date of one field with the time of the other.
TDateTime PickedDateTime(const QDateEdit *date, const QTimeEdit *time);
/// Asks for the threshold and deletes the events or tasks of the list that began before it.
void DeleteExpiredEntries(TMainForm &form, TCalendarList list, const TPimListModel &model);
