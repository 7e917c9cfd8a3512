#include "pim/pimeditors.h"

#include "app/userdialogs.h"
#include "pim/calendardates.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

TEventEditorValues TEventEditorValues::FromRecord(const TIpodVCal &r)
{
    const auto read = ReadCalendarDateTimeOrNow;
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
    const char *FCaption; // translated where shown
    QString TIpodVCF::*FField;
};
const TContactField kContactFields[] = {
    {QT_TRANSLATE_NOOP("ContactEditor", "名前"), &TIpodVCF::Name},
    {QT_TRANSLATE_NOOP("ContactEditor", "フルネーム"), &TIpodVCF::FullName},
    {QT_TRANSLATE_NOOP("ContactEditor", "役職"), &TIpodVCF::JobTitle},
    {QT_TRANSLATE_NOOP("ContactEditor", "所属"), &TIpodVCF::Org},
    {QT_TRANSLATE_NOOP("ContactEditor", "携帯電話番号"), &TIpodVCF::CellPhone},
    {QT_TRANSLATE_NOOP("ContactEditor", "会社電話番号"), &TIpodVCF::WorkPhone},
    {QT_TRANSLATE_NOOP("ContactEditor", "自宅電話番号"), &TIpodVCF::HomePhone},
    {QT_TRANSLATE_NOOP("ContactEditor", "メールアドレス"), &TIpodVCF::Email},
    {"URL", &TIpodVCF::Url},
    {QT_TRANSLATE_NOOP("ContactEditor", "会社住所"), &TIpodVCF::WorkAddress},
    {QT_TRANSLATE_NOOP("ContactEditor", "自宅住所"), &TIpodVCF::HomeAddress},
    {QT_TRANSLATE_NOOP("ContactEditor", "コメント"), &TIpodVCF::Note},
};

} // namespace

TTaskEditorValues TTaskEditorValues::FromRecord(const TVTodoObj &record)
{
    return {record.Summary, record.Description, ReadCalendarDateTimeOrNow(record.Due)};
}

TVTodoObj TTaskEditorValues::ToRecord() const
{
    return {Summary, FormatCalendarDateTime(Due), Description};
}

QList<TContactEditorRow> ContactEditorRows(const TIpodVCF &record)
{
    QList<TContactEditorRow> rows;
    for (const TContactField &f : kContactFields)
        rows.append({QCoreApplication::translate("ContactEditor", f.FCaption), record.*f.FField});
    return rows;
}

TIpodVCF ContactFromEditorRows(const QList<TContactEditorRow> &rows)
{
    TIpodVCF record;
    for (const TContactEditorRow &row : rows)
        for (const TContactField &f : kContactFields)
            if (row.FCaption == QCoreApplication::translate("ContactEditor", f.FCaption))
                record.*f.FField = row.FValue;
    return record;
}

bool EditContactRow(IUserDialogs &dialogs, TContactEditorRow &row)
{
    QString value = row.FValue;
    //: Title of the input box; %1 is the contact field's caption
    if (!dialogs.InputBox(QCoreApplication::translate("ContactEditor", "%1 の編集").arg(row.FCaption),
                          QCoreApplication::translate("ContactEditor", "テキストを入力してください"), value))
        return false;
    row.FValue = value;
    return true;
}

QString TCalendarMonth::YearMonthLabel() const
{
    //: The month view's label: a QDate format (yyyy year, MM month number, MMMM month name)
    return FDate.toString(tr("yyyy'年'MM'月'"));
}
