#include "pim/pimcommands.h"

#include "app/mainservices.h"
#include "app/messages.h"
#include "app/sorvoerror.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/paths.h"
#include "notes/notelist.h"
#include "notes/usablename.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kLastNameNumber = 65536;

bool IsDateOnly(const QString &value)
{
    if (value.size() != 8)
        return false;
    for (QChar c : value)
        if (!c.isDigit())
            return false;
    return true;
}

qint64 Milliseconds(TDateTime value)
{
    return qRound64(value * 86400000.0);
}

TDateTime ReadOrNow(const QString &value);

} // namespace

TDateTime ReadCalendarDateTime(const QString &value)
{
    // Files from other programs often hold an all-day start without a time.
    if (IsDateOnly(value))
        return ParseVCalDateTime(value + u"T0000"_s);
    return ParseVCalDateTime(value);
}

namespace {
/// Editors show now for an empty or unreadable date.
TDateTime ReadOrNow(const QString &value)
{
    try {
        return ReadCalendarDateTime(value);
    } catch (const EConvertError &) {
        return NowDateTime();
    }
}
} // namespace

QString ShownCalendarDateTime(const QString &value)
{
    try {
        return DateTimeToQDateTime(ReadCalendarDateTime(value)).toString(u"yyyy/MM/dd HH:mm"_s);
    } catch (const EConvertError &) {
        return {};
    }
}

QString FormatCalendarDateTime(TDateTime value)
{
    return DateTimeToQDateTime(value).toString(u"yyyyMMdd'T'HHmm'00'"_s);
}

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

void TPimCommands::Reload(int tabCode)
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
    TKiruVCF card(target);
    card.SetRecord(record);
    card.Save();
    Reload(1);
    return target;
}

QString TPimCommands::SaveEvent(const QString &path, const TIpodVCal &record)
{
    const QString target = path.isEmpty() ? FirstFreeEventFile(record.DtStart) : path;
    TKiruVCal file(target);
    file.SetRecord(record);
    file.Save();
    Reload(2);
    return target;
}

QString TPimCommands::SaveTask(const QString &path, const TVTodoObj &record)
{
    const QString target = path.isEmpty() ? FirstFreeTaskFile(record.Due) : path;
    TKiruVTodo file(target);
    file.SetRecord(record);
    file.Save();
    Reload(5);
    return target;
}

bool TPimCommands::DeleteSelected(const QString &folder, const QStringList &fileNames, int tabCode)
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
    return DeleteSelected(FContactsDir, fileNames, 1);
}

bool TPimCommands::DeleteSelectedEvents(const QStringList &fileNames)
{
    return DeleteSelected(FCalendarsDir, fileNames, 2);
}

bool TPimCommands::DeleteSelectedTasks(const QStringList &fileNames)
{
    return DeleteSelected(FCalendarsDir, fileNames, 5);
}

QStringList TPimCommands::ExpiredEntries(const QList<QStringList> &rows, TDateTime threshold,
                                         QStringList *unreadable)
{
    QStringList names;
    const qint64 limit = Milliseconds(threshold);
    for (const QStringList &row : rows) {
        const QString start = row.value(pcHiddenStart);
        if (start.isEmpty())
            break;
        // One damaged file must not keep every other from expiring; it is itself never deleted.
        try {
            if (Milliseconds(ReadCalendarDateTime(start)) < limit)
                names.append(row.value(pcCalendarFile));
        } catch (const EConvertError &) {
            if (!unreadable)
                throw;
            unreadable->append(row.value(pcCalendarFile));
        }
    }
    return names;
}

int TPimCommands::DeleteExpired(int tag, const QList<QStringList> &rows, TDateTime threshold)
{
    QStringList unreadable;
    const QStringList names = ExpiredEntries(rows, threshold, &unreadable);
    if (!unreadable.isEmpty())
        FDialogs.Warning(
            Format(u"日時を読めないファイルは削除の対象から外しました: %s"_s, {unreadable.join(u", "_s)}));
    if (names.isEmpty())
        return 0;
    const QString question = tag == 0 ? u"%d 個のスケジュールが既に経過済みです。削除してもよろしいですか？"_s
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
    Reload(tag == 0 ? 2 : 5);
    return deleted;
}

TEventEditorValues TEventEditorValues::FromRecord(const TIpodVCal &r)
{
    const auto read = ReadOrNow;
    TEventEditorValues v;
    v.Summary = r.Summary;
    v.Description = r.Description;
    v.Categories = r.Categories;
    v.EventClass = r.EventClass;
    bool ok = false;
    v.Priority = r.Priority.trimmed().toInt(&ok);
    if (!ok)
        v.Priority = 0;
    v.Start = read(r.DtStart);
    v.End = read(r.DtEnd);
    v.UseEnd = !r.DtEnd.isEmpty();
    v.UseAlarm = !r.DAlarm.isEmpty();
    v.Alarm = v.UseAlarm ? read(r.DAlarm) : NowDateTime();
    return v;
}

void TEventEditorValues::Preset(TDateTime value)
{
    Start = End = Alarm = value;
}

TIpodVCal TEventEditorValues::ToRecord() const
{
    TIpodVCal r;
    r.Summary = Summary;
    r.Description = Description;
    r.Categories = Categories;
    r.EventClass = EventClass;
    r.Priority = QString::number(Priority);
    r.DtStart = FormatCalendarDateTime(Start);
    r.DtEnd = UseEnd ? FormatCalendarDateTime(End) : QString();
    r.DAlarm = UseAlarm ? FormatCalendarDateTime(Alarm) : QString();
    return r;
}

namespace {

// Caption and field of each editor row, in the order the editor shows them.
struct TContactField
{
    const char16_t *caption;
    QString TIpodVCF::*field;
};
const TContactField kContactFields[] = {
    {u"名前", &TIpodVCF::Name},
    {u"フルネーム", &TIpodVCF::FullName},
    {u"役職", &TIpodVCF::JobTitle},
    {u"所属", &TIpodVCF::Org},
    {u"携帯電話番号", &TIpodVCF::CellPhone},
    {u"会社電話番号", &TIpodVCF::WorkPhone},
    {u"自宅電話番号", &TIpodVCF::HomePhone},
    {u"メールアドレス", &TIpodVCF::Email},
    {u"URL", &TIpodVCF::Url},
    {u"会社住所", &TIpodVCF::WorkAddress},
    {u"自宅住所", &TIpodVCF::HomeAddress},
    {u"コメント", &TIpodVCF::Note},
};

} // namespace

TTaskEditorValues TTaskEditorValues::FromRecord(const TVTodoObj &record)
{
    return {record.Summary, record.Description, ReadOrNow(record.Due)};
}

TVTodoObj TTaskEditorValues::ToRecord() const
{
    return {Summary, FormatCalendarDateTime(Due), Description};
}

QList<TContactEditorRow> ContactEditorRows(const TIpodVCF &record)
{
    QList<TContactEditorRow> rows;
    for (const TContactField &f : kContactFields)
        rows.append({QString::fromUtf16(f.caption), record.*f.field});
    return rows;
}

TIpodVCF ContactFromEditorRows(const QList<TContactEditorRow> &rows)
{
    TIpodVCF record;
    for (const TContactEditorRow &row : rows)
        for (const TContactField &f : kContactFields)
            if (row.Caption == QString::fromUtf16(f.caption))
                record.*f.field = row.Value;
    return record;
}

bool EditContactRow(IUserDialogs &dialogs, TContactEditorRow &row)
{
    QString value = row.Value;
    if (!dialogs.InputBox(row.Caption + u" の編集"_s, u"テキストを入力してください"_s, value))
        return false;
    row.Value = value;
    return true;
}

QString TCalendarMonth::YearMonthLabel() const
{
    return FDate.toString(u"yyyy'年'MM'月'"_s);
}
