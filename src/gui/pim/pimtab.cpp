#include "pim/pimtab.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "device/kiruipod.h"
#include "mainform/mainform.h"
#include "notes/textimport.h"
#include "pim/delcalform.h"
#include "pim/pimlistmodels.h"
#include "widgets/reportlistview.h"

#include <QAction>
#include <QDateEdit>
#include <QMenu>
#include <QTimeEdit>

using namespace Qt::Literals::StringLiterals;

TPimCommands PimCommands(TMainForm &form)
{
    const TMPlayerChecker &device = form.Device().FChecker;
    return TPimCommands(device.FContactsDir, device.FCalendarsDir, form.Dialogs(), &form, &form.Messages());
}

void ImportPimFile(TMainForm &form, TImportKind kind)
{
    const QString path = form.Dialogs().OpenFileName(QString(), TTextImporter::OpenDialogFilter(kind));
    if (path.isEmpty())
        return;
    const TMPlayerChecker &device = form.Device().FChecker;
    TTextImporter importer(form.Settings(), form.Dialogs(), &form);
    importer.FNotesDir = device.FNotesDir;
    importer.FContactsDir = device.FContactsDir;
    importer.FCalendarsDir = device.FCalendarsDir;
    importer.ImportFile(path, kind);
}

void AddListAction(QMenu &menu, TReportListView *view, QAction *action, const QList<QKeySequence> &shortcuts)
{
    if (!shortcuts.isEmpty())
        action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WidgetShortcut);
    menu.addAction(action);
    view->addAction(action);
}

void UsePopupMenu(TReportListView *view, QMenu &menu)
{
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, &menu,
                     [view, &menu](const QPoint &pos) { menu.popup(view->viewport()->mapToGlobal(pos)); });
}

QList<QKeySequence> EnterKeys()
{
    return {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)};
}

void SetupDatePicker(QDateEdit *picker, const QString &format)
{
    picker->setCalendarPopup(false);
    picker->setDisplayFormat(format);
}

void SetupTimePicker(QTimeEdit *picker)
{
    picker->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    picker->setDisplayFormat(u"AP hh時mm分"_s);
}

void SetPickers(QDateEdit *date, QTimeEdit *time, TDateTime value)
{
    const QDateTime dt = DateTimeToQDateTime(value);
    date->setDate(dt.date());
    time->setTime(dt.time());
}

TDateTime PickedDateTime(const QDateEdit *date, const QTimeEdit *time)
{
    return QDateTimeToDateTime(QDateTime(date->date(), time->time()));
}

void DeleteExpiredEntries(TMainForm &form, TCalendarList list, const TPimListModel &model)
{
    TDelCalForm dialog(&form);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PimCommands(form).DeleteExpired(list, model.RowsInOrder(), dialog.Threshold());
}
