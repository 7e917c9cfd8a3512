#pragma once

#include "pim/pimcommands.h"
#include "pim/pimeditors.h"

class QDateEdit;
class QTimeEdit;
class QWidget;
class TPimListModel;
class TPlayerSession;
struct TTabContext;
enum TImportKind : int;

/// Brings a contact or calendar file onto the player (a dropped one, or one chosen in the open dialog
/// when `path` is empty).
void ImportPimFile(const TTabContext &context, TImportKind kind, const QString &path = {});

/// An up-down date field: no pop-up calendar, the whole date held whatever part it shows.
void SetupDatePicker(QDateEdit *picker, const QString &format = QStringLiteral("yyyy/MM/dd"));
/// A time field shown as "午前 09時16分".
void SetupTimePicker(QTimeEdit *picker);
void SetPickers(QDateEdit *date, QTimeEdit *time, TDateTime value);
/// The date of one field with the time of the other.
TDateTime PickedDateTime(const QDateEdit *date, const QTimeEdit *time);
/// Asks for the threshold and deletes the events or tasks of the list that began before it.
void DeleteExpiredEntries(const TTabContext &context, TCalendarList list, const TPimListModel &model);
