#include "pim/pimcommands.h"

#include "app/mainservices.h"
#include "app/messages.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/japanese.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "common/windowsnames.h"
#include "device/playerfiles.h"
#include "notes/usablename.h"
#include "pim/calendardates.h"
#include "pim/calendarexpiry.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kLastNameNumber = 65536;

// The given message, followed by the file and the system's reason.
QString DeleteFailedText(const QString &path, const QString &why)
{
    //: %s: the file, then the system's reason
    return Format(TPimCommands::tr("ファイルの削除に失敗しました [ %s ] (%s)"),
                  {QDir::toNativeSeparators(path), why});
}

// Writes the record into its file (made from the skeleton when new); returns the path.
template <typename TFile, typename TRecord>
QString WriteRecordFile(const QString &target, const TRecord &record)
{
    TFile file(target);
    file.SetRecord(record);
    file.Save();
    return target;
}

} // namespace

TPimCommands::TPimCommands(const QString &contactsDir, const QString &calendarsDir, IUserDialogs &dialogs,
                           IMainServices *services, const TLagugae *messages)
    : FContactsDir(AddPathDelim(contactsDir)), FCalendarsDir(AddPathDelim(calendarsDir)), FDialogs(dialogs),
      FServices(services), FMessages(messages)
{}

void TPimCommands::Status(const QByteArray &key, const QString &fallback)
{
    if (!FServices)
        return;
    const QString text = FMessages ? FMessages->GetText(key) : QString();
    FServices->SetStatusText(text.isEmpty() ? fallback : text);
}

void TPimCommands::Reload(TTabCode tabCode)
{
    if (FServices)
        FServices->LoadTabData(tabCode);
}

QList<TContactRow> TPimCommands::LoadContactList()
{
    QList<TContactRow> rows;
    for (const QString &rel : ListPlayerFiles(FContactsDir)) {
        TKiruVCF card(FContactsDir + rel);
        const QList<std::pair<int, int>> cards = card.Blocks("vcard");
        if (cards.size() <= 1) {
            rows.append(TContactRow{rel, card.GetValue(u"FN"_s), card.GetValue(u"NOTE"_s)});
            continue;
        }
        // An address book exported whole holds every card in one file.
        for (const auto &[first, last] : cards) {
            card.SetScope(first, last);
            rows.append(TContactRow{rel, card.GetValue(u"FN"_s), card.GetValue(u"NOTE"_s)});
        }
    }
    Status("MSG_LOAD_ADDR", tr("アドレス帳を読み込みました"));
    return rows;
}

QList<TCalendarRow> TPimCommands::LoadCalendarRows(bool tasks)
{
    QList<TCalendarRow> rows;
    for (const QString &rel : ListPlayerFiles(FCalendarsDir)) {
        TKiruVCal file(FCalendarsDir + rel);
        // A file holding only blocks of the other kind belongs to the other list; one holding both kinds
        // is in both lists.
        QList<std::pair<int, int>> own = file.Blocks(tasks ? "vtodo" : "vevent");
        // A block opened on the very first line stands for the file's own envelope, not an entry.
        own.removeIf([](const std::pair<int, int> &b) { return b.first == 0; });
        if (own.isEmpty() && file.FindProperty(u"begin"_s, tasks ? u"vevent"_s : u"vtodo"_s) > 0)
            continue;
        if (own.isEmpty())
            own.append({0, -1}); // no block of its own: the whole file is the one entry
        // An exported calendar holds every entry in one file: each gets its row.
        for (const auto &[first, last] : std::as_const(own)) {
            file.SetScope(first, last);
            QString start = file.GetValue(u"DTSTART"_s);
            if (tasks && start.isEmpty())
                start = file.GetValue(u"DUE"_s);
            rows.append(TCalendarRow{file.GetValue(u"SUMMARY"_s), start, ShownCalendarDateTime(start),
                                     file.GetValue(u"DESCRIPTION"_s), rel});
        }
    }
    return rows;
}

QString TPimCommands::FolderOf(TTabCode tabCode) const
{
    return tabCode == TTabCode::Contacts ? FContactsDir : FCalendarsDir;
}

int TPimCommands::EntriesInFile(TTabCode tabCode, const QString &fileName) const
{
    try {
        if (tabCode == TTabCode::Contacts)
            return qMax(1, int(TKiruVCF(FolderOf(tabCode) + fileName).Blocks("vcard").size()));
        const TKiruVCal file(FolderOf(tabCode) + fileName);
        int entries = 0;
        for (const char *kind : {"vevent", "vtodo"})
            for (const auto &block : file.Blocks(kind))
                entries += block.first > 0 ? 1 : 0; // a block opened on the first line is the envelope
        return qMax(1, entries);
    } catch (const ESorvoError &) {
        return 1; // the editor or the deletion says what is wrong with it
    }
}

bool TPimCommands::ConfirmEditOfFile(TTabCode tabCode, const QString &fileName)
{
    if (fileName.isEmpty())
        return true;
    const int entries = EntriesInFile(tabCode, fileName);
    if (entries <= 1)
        return true;
    //: %1 is the file, %n the number of cards, events or to-dos in it
    return FDialogs.AskYesNo(tr("[ %1 ] には %n 件の項目が入っています。編集できるのはファイルの最初の項目"
                                "だけで、保存するとこのファイルを書き換えます。編集してもよろしいですか？",
                                nullptr, entries)
                                 .arg(fileName)) == TDialogAnswer::Yes;
}

QList<TCalendarRow> TPimCommands::LoadEventList()
{
    QList<TCalendarRow> rows = LoadCalendarRows(false);
    Status("MSG_LOAD_CALD", tr("スケジュールを読み込みました"));
    return rows;
}

QList<TTaskRow> TPimCommands::LoadTaskList()
{
    QList<TTaskRow> rows;
    for (const TCalendarRow &row : LoadCalendarRows(true))
        rows.append(TTaskRow{row.FTitle, row.FStart, row.FShownStart, row.FComment, row.FFile});
    if (FServices)
        FServices->SetStatusText(tr("Todoファイルを読み込みました"));
    return rows;
}

QString TPimCommands::FirstFree(const QString &prefix, const QString &value) const
{
    CheckUsableFileName(value);
    for (int i = 0; i <= kLastNameNumber; ++i) {
        // "%s_%x": the number in upper-case hexadecimal without leading zeros.
        const QString path =
            FCalendarsDir + prefix + value + u'_' + QString::number(i, 16).toUpper() + u".ics"_s;
        if (!QFileInfo::exists(path))
            return path;
    }
    throw ESorvoError(tr("空いているファイル名が見つかりません"));
}

QString TPimCommands::FirstFreeEventFile(const QString &dtStart) const
{
    return FirstFree(QString(), dtStart);
}

QString TPimCommands::FirstFreeTaskFile(const QString &due) const
{
    return FirstFree(u"t"_s, due);
}

QString TPimCommands::SaveContact(const QString &path, const TIpodVCF &record)
{
    QString target = path;
    if (target.isEmpty()) {
        const QString name = WindowsSafeName(Format(u"%s.vcf"_s, {record.FullName}));
        if (!IsUsableFileName(record.FullName))
            throw ESorvoError(Format(tr("ファイル名[ %s ]は使えません"), {name}));
        target = FContactsDir + name;
    }
    WriteRecordFile<TKiruVCF>(target, record);
    Reload(TTabCode::Contacts);
    return target;
}

QStringList TPimCommands::ContactLostCharacters(const QString &path, const TIpodVCF &record)
{
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        try {
            if (TKiruVCF(path).Utf8())
                return {};
        } catch (const ESorvoError &) {
            // Unreadable: the save says so itself; the text would go in as Shift-JIS.
        }
    }
    // Empty fields keep the card's old values and are not written.
    const QString written =
        QStringList{record.Name,        record.FullName,    record.JobTitle,  record.Org,
                    record.HomeAddress, record.WorkAddress, record.HomePhone, record.WorkPhone,
                    record.CellPhone,   record.Url,         record.Email,     record.Note}
            .join(u'\n');
    return ShiftJisMissingCharacters(written);
}

QString TPimCommands::SaveEvent(const QString &path, const TIpodVCal &record)
{
    const QString target =
        WriteRecordFile<TKiruVCal>(path.isEmpty() ? FirstFreeEventFile(record.DtStart) : path, record);
    Reload(TTabCode::Events);
    return target;
}

QString TPimCommands::SaveTask(const QString &path, const TVTodoObj &record)
{
    const QString target =
        WriteRecordFile<TKiruVTodo>(path.isEmpty() ? FirstFreeTaskFile(record.Due) : path, record);
    Reload(TTabCode::ToDo);
    return target;
}

bool TPimCommands::DeleteSelected(const QString &folder, const QStringList &fileNames, TTabCode tabCode)
{
    if (fileNames.isEmpty()) {
        FDialogs.Warning(tr("ファイルが選択されていませんので削除できません"));
        return false;
    }
    // A row stands for one entry, but the whole file goes: files holding several entries are named.
    QStringList several;
    QSet<QString> counted;
    for (const QString &name : fileNames) {
        if (counted.contains(name))
            continue;
        counted.insert(name);
        if (const int entries = EntriesInFile(tabCode, name); entries > 1)
            //: %1 is a file, %n the number of cards, events or to-dos in it
            several.append(tr("[ %1 ] (%n 件)", nullptr, entries).arg(name));
    }
    QString question = Format(tr("[ %s ]を削除してもよろしいですか？"), {fileNames.first()});
    if (!several.isEmpty())
        //: Comes before the deletion question; %1 lists the files with their number of entries
        question = tr("次のファイルには複数の項目が入っていて、ファイルごと削除されます: %1")
                       .arg(several.join(u", "_s)) +
                   u"\n"_s + question;
    if (FDialogs.AskYesNo(question) != TDialogAnswer::Yes)
        return false;
    QSet<QString> seen; // a file holding several entries has a row for each
    for (const QString &name : fileNames) {
        if (seen.contains(name))
            continue;
        seen.insert(name);
        QString why;
        if (!DeleteFileForced(folder + name, &why))
            FDialogs.Warning(DeleteFailedText(folder + name, why));
    }
    Reload(tabCode);
    return true;
}

bool TPimCommands::DeleteSelectedContacts(const QStringList &fileNames)
{
    return DeleteSelected(FContactsDir, fileNames, TTabCode::Contacts);
}

bool TPimCommands::DeleteSelectedEvents(const QStringList &fileNames)
{
    return DeleteSelected(FCalendarsDir, fileNames, TTabCode::Events);
}

bool TPimCommands::DeleteSelectedTasks(const QStringList &fileNames)
{
    return DeleteSelected(FCalendarsDir, fileNames, TTabCode::ToDo);
}

TPimCommands::TExpiredScan TPimCommands::ScanExpired(const QStringList &files, TDateTime threshold) const
{
    TExpiredScan scan;
    QSet<QString> seen;
    for (const QString &name : files) {
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        // One damaged file must not keep every other from expiring; it is itself never deleted.
        try {
            TKiruVCal file(FCalendarsDir + name);
            switch (JudgeCalendarFile(file, threshold)) {
            case TCalendarExpiry::Ended:
                scan.FExpired.append(name);
                break;
            case TCalendarExpiry::Partly:
                scan.FPartly.append(name);
                break;
            case TCalendarExpiry::Unreadable:
                scan.FUnreadable.append(name);
                break;
            case TCalendarExpiry::Current:
                break;
            }
        } catch (const ESorvoError &) {
            scan.FUnreadable.append(name);
        }
    }
    return scan;
}

int TPimCommands::DeleteExpired(TCalendarList list, const QStringList &files, TDateTime threshold)
{
    const TExpiredScan scan = ScanExpired(files, threshold);
    if (!scan.FUnreadable.isEmpty())
        FDialogs.Warning(Format(tr("日時を読めないファイルは削除の対象から外しました: %s"),
                                {scan.FUnreadable.join(u", "_s)}));
    if (!scan.FPartly.isEmpty())
        FDialogs.Warning(Format(tr("経過していない予定も含むファイルは削除しませんでした: %s"),
                                {scan.FPartly.join(u", "_s)}));
    const QStringList &names = scan.FExpired;
    if (names.isEmpty())
        return 0;
    const int count = int(names.size());
    const QString question =
        list == TCalendarList::Events
            ? tr("%n 個のスケジュールが既に経過済みです。削除してもよろしいですか？", nullptr, count)
            : tr("%n 個のタスクが既に経過済みです。削除してもよろしいですか？", nullptr, count);
    if (FDialogs.AskOkCancel(question) != TDialogAnswer::Ok)
        return 0;
    int deleted = 0;
    for (const QString &name : names) {
        QString why;
        if (DeleteFileForced(FCalendarsDir + name, &why))
            ++deleted;
        else
            FDialogs.Warning(DeleteFailedText(FCalendarsDir + name, why));
    }
    Reload(list == TCalendarList::Events ? TTabCode::Events : TTabCode::ToDo);
    return deleted;
}
