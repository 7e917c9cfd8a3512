#include "pim/pimtab.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "mainform/tabpage.h"
#include "notes/textimport.h"
#include "pim/delcalform.h"
#include "pim/pimlistmodels.h"
#include "session/playersession.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QTimeEdit>

TPimCommands PimCommands(TPlayerSession &session)
{
    const TPlayerInfo &player = session.Player();
    return TPimCommands(player.FContactsDir, player.FCalendarsDir, session.Dialogs(),
                        &session.CommandServices(), &session.Messages());
}

void ImportPimFile(const TTabContext &context, TImportKind kind, const QString &path)
{
    const QString file = path.isEmpty()
                             ? context.dialogs.OpenFileName(QString(), TTextImporter::OpenDialogFilter(kind))
                             : path;
    if (file.isEmpty())
        return;
    TTextImporter importer(context.settings, context.dialogs, &context.session.CommandServices());
    importer.SetDevice(context.session.Player());
    importer.ImportFile(file, kind);
}

void SetupDatePicker(QDateEdit *picker, const QString &format)
{
    picker->setCalendarPopup(false);
    picker->setDisplayFormat(format);
}

void SetupTimePicker(QTimeEdit *picker)
{
    picker->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    //: Display format (QDateTime) of a time field. Its locale stays Japanese, so AP shows 午前/午後
    picker->setDisplayFormat(QCoreApplication::translate("PimTab", "AP hh時mm分"));
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

void DeleteExpiredEntries(const TTabContext &context, TCalendarList list, const TPimListModel &model)
{
    TDelCalForm dialog(context.window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    context.session.PimCommands().DeleteExpired(list, model.FilesInOrder(), dialog.Threshold());
}
