#include "pim/pimeditors.h"

#include "app/userdialogs.h"
#include "pim/calendardates.h"

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
    const char16_t *FCaption;
    QString TIpodVCF::*FField;
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
        rows.append({QString::fromUtf16(f.FCaption), record.*f.FField});
    return rows;
}

TIpodVCF ContactFromEditorRows(const QList<TContactEditorRow> &rows)
{
    TIpodVCF record;
    for (const TContactEditorRow &row : rows)
        for (const TContactField &f : kContactFields)
            if (row.FCaption == QString::fromUtf16(f.FCaption))
                record.*f.FField = row.FValue;
    return record;
}

bool EditContactRow(IUserDialogs &dialogs, TContactEditorRow &row)
{
    QString value = row.FValue;
    if (!dialogs.InputBox(row.FCaption + u" の編集"_s, u"テキストを入力してください"_s, value))
        return false;
    row.FValue = value;
    return true;
}

QString TCalendarMonth::YearMonthLabel() const
{
    return FDate.toString(u"yyyy'年'MM'月'"_s);
}
