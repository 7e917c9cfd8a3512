#include "pim/pimcommands.h"

#include "app/mainservices.h"
#include "app/messages.h"
#include "app/sorvoerror.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/paths.h"
#include "notes/notelist.h"
#include "notes/usablename.h"
#include "pim/calendardates.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kLastNameNumber = 65536;

qint64 Milliseconds(TDateTime value)
{
    return qRound64(value * 86400000.0);
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

QList<QStringList> TPimCommands::LoadContactList()
{
    QList<QStringList> rows;
    for (const QString &rel : ListPlayerFiles(FContactsDir)) {
        const TKiruVCF card(FContactsDir + rel);
        rows.append({rel, card.GetValue(u"FN"_s), card.GetValue(u"NOTE"_s)});
    }
    Status("MSG_LOAD_ADDR", u"アドレス帳を読み込みました"_s);
    return rows;
}

QList<QStringList> TPimCommands::LoadCalendarRows(bool tasks)
{
    QList<QStringList> rows;
    for (const QString &rel : ListPlayerFiles(FCalendarsDir)) {
        const TKiruVCal file(FCalendarsDir + rel);
        // A block of the other kind that only starts further down makes the file the other kind's.
        if (file.FindProperty(u"begin"_s, tasks ? u"vevent"_s : u"vtodo"_s) > 0)
            continue;
        const QString start = file.GetValue(u"DTSTART"_s);
        rows.append({file.GetValue(u"SUMMARY"_s), start, ShownCalendarDateTime(start),
                     file.GetValue(u"DESCRIPTION"_s), rel});
    }
    return rows;
}

QList<QStringList> TPimCommands::LoadEventList()
{
    QList<QStringList> rows = LoadCalendarRows(false);
    Status("MSG_LOAD_CALD", u"スケジュールを読み込みました"_s);
    return rows;
}

QList<QStringList> TPimCommands::LoadTaskList()
{
    QList<QStringList> rows = LoadCalendarRows(true);
    if (FServices)
        FServices->SetStatusText(u"Todoファイルを読み込みました"_s);
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
    throw ESorvoError(u"空いているファイル名が見つかりません"_s);
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
        const QString name = Format(u"%s.vcf"_s, {record.FullName});
        if (!IsUsableFileName(record.FullName))
            throw ESorvoError(Format(u"ファイル名[ %s ]は使えません"_s, {name}));
        target = FContactsDir + name;
    }
    WriteRecordFile<TKiruVCF>(target, record);
    Reload(TTabCode::Contacts);
    return target;
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
        FDialogs.Warning(u"ファイルが選択されていませんので削除できません"_s);
        return false;
    }
    if (FDialogs.AskYesNo(Format(u"[ %s ]を削除してもよろしいですか？"_s, {fileNames.first()})) !=
        TDialogAnswer::Yes)
        return false;
    for (const QString &name : fileNames)
        if (!DeleteFileForced(folder + name))
            FDialogs.Warning(u"ファイルの削除に失敗しました"_s);
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

QStringList TPimCommands::ExpiredEntries(const QList<QStringList> &rows, TDateTime threshold)
{
    QStringList names;
    const qint64 limit = Milliseconds(threshold);
    for (const QStringList &row : rows) {
        const QString start = row.value(pcHiddenStart);
        if (start.isEmpty())
            break;
        if (Milliseconds(ReadCalendarDateTime(start)) < limit)
            names.append(row.value(pcCalendarFile));
    }
    return names;
}

int TPimCommands::DeleteExpired(TCalendarList list, const QList<QStringList> &rows, TDateTime threshold)
{
    const QStringList names = ExpiredEntries(rows, threshold);
    if (names.isEmpty())
        return 0;
    const QString question = list == TCalendarList::Events
                                 ? u"%d 個のスケジュールが既に経過済みです。削除してもよろしいですか？"_s
                                 : u"%d 個のタスクが既に経過済みです。削除してもよろしいですか？"_s;
    if (FDialogs.AskOkCancel(Format(question, {int(names.size())})) != TDialogAnswer::Ok)
        return 0;
    int deleted = 0;
    for (const QString &name : names) {
        if (DeleteFileForced(FCalendarsDir + name))
            ++deleted;
        else
            FDialogs.Warning(u"ファイルの削除に失敗しました"_s);
    }
    Reload(list == TCalendarList::Events ? TTabCode::Events : TTabCode::ToDo);
    return deleted;
}
