#pragma once

#include "app/tabcode.h"
#include "common/datetime.h"
#include "pim/calendardates.h"
#include "pim/kiruvcal.h"
#include "pim/kiruvcf.h"
#include "pim/kiruvtodo.h"
#include "pim/pimrows.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class IMainServices;
class IUserDialogs;
class TLagugae;

/// The two calendar lists; the expired-entry dialog's tag is 0 for events and 1 for tasks.
enum class TCalendarList
{
    Events,
    Tasks,
};

/// The contacts, events and to-do tabs without their widgets: rows, saving, deletion, expired entries.
class TPimCommands
{
    Q_DECLARE_TR_FUNCTIONS(TPimCommands)

public:
    TPimCommands(const QString &contactsDir, const QString &calendarsDir, IUserDialogs &dialogs,
                 IMainServices *services, const TLagugae *messages);

    /// One row per card: a file holding several cards gives a row for each, all naming that file.
    QList<TContactRow> LoadContactList();
    /// One row per event: a file holding several events (an exported calendar) gives a row for each;
    /// a file without event blocks and without a to-do block after the first line gives one row.
    QList<TCalendarRow> LoadEventList();
    /// One row per to-do (its start, or its due date when it has no start), as for events; a file
    /// without to-do blocks and without an event block after the first line gives one row.
    QList<TTaskRow> LoadTaskList();

    /// The entries a file of a tab holds: its cards, or its events and to-dos together; 1 for a file
    /// without blocks or one that cannot be read.
    int EntriesInFile(TTabCode tabCode, const QString &fileName) const;
    /// Before an editor opens a file holding several entries: says so (the editor shows and saves the
    /// file's first entry) and asks whether to go on. True to go on; no question for a one-entry file.
    bool ConfirmEditOfFile(TTabCode tabCode, const QString &fileName);

    /// Writes the record into the file (new: contacts folder + full name + ".vcf") and reloads.
    /// Returns the path written; raises ESorvoError "ファイル名[ %s ]は使えません" for an unusable name.
    QString SaveContact(const QString &path, const TIpodVCF &record);
    /// The characters of the record that a save into `path` (empty: a new card) turns into "?": a card
    /// in Shift-JIS cannot hold them; a card in UTF-8 loses none.
    static QStringList ContactLostCharacters(const QString &path, const TIpodVCF &record);
    /// New events go to the first free "DTSTART_n.ics" (n hexadecimal).
    QString SaveEvent(const QString &path, const TIpodVCal &record);
    /// New tasks go to the first free "tDue_n.ics".
    QString SaveTask(const QString &path, const TVTodoObj &record);

    /// Asks about the first selected name (naming the files that hold several entries, which go whole),
    /// deletes every one (read-only too) and reloads the tab.
    bool DeleteSelectedContacts(const QStringList &fileNames);
    bool DeleteSelectedEvents(const QStringList &fileNames);
    bool DeleteSelectedTasks(const QStringList &fileNames);

    /// The files (in display order, each once) judged whole at the threshold: a file is expired only
    /// when every entry in it has ended; entries without a start are judged like the others.
    struct TExpiredScan
    {
        QStringList FExpired;
        QStringList FPartly;     // some entries ended, some not: kept
        QStringList FUnreadable; // a date that cannot be read, or a file that cannot: kept
    };
    TExpiredScan ScanExpired(const QStringList &files, TDateTime threshold) const;
    /// Scans, names the kept files in warnings, asks with the count (OK/Cancel), deletes and reloads.
    /// Returns the number deleted; a file that cannot be deleted is named with the system's reason.
    int DeleteExpired(TCalendarList list, const QStringList &files, TDateTime threshold);

    /// "DTSTART_n.ics" / "tDue_n.ics": the first name not taken, n from 0 in upper-case hexadecimal.
    QString FirstFreeEventFile(const QString &dtStart) const;
    QString FirstFreeTaskFile(const QString &due) const;

    QString FContactsDir;
    QString FCalendarsDir;

private:
    /// title, stored start, shown start, description, file of each row
    QList<TCalendarRow> LoadCalendarRows(bool tasks);
    QString FolderOf(TTabCode tabCode) const;
    bool DeleteSelected(const QString &folder, const QStringList &fileNames, TTabCode tabCode);
    QString FirstFree(const QString &prefix, const QString &value) const;
    void Status(const QByteArray &key, const QString &fallback);
    void Reload(TTabCode tabCode);

    IUserDialogs &FDialogs;
    IMainServices *FServices;
    const TLagugae *FMessages;
};
