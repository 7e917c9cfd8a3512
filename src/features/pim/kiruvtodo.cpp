#include "pim/kiruvtodo.h"

using namespace Qt::Literals::StringLiterals;

TKiruVTodo::TKiruVTodo(const QString &fileName)
{
    Open(fileName);
}

QStringList TKiruVTodo::Skeleton() const
{
    return {u"BEGIN:vcalender"_s, u"VERSION:2.0"_s, u"BEGIN:vtodo"_s, u"END:vtodo"_s, u"END:vcalender"_s};
}

int TKiruVTodo::AnchorLine() const
{
    return FindProperty(u"begin"_s, u"vtodo"_s);
}

namespace {

// The deadline goes into both DTSTART and DTEND and is read back from DTEND, the later row.
constexpr TPropertyField<TVTodoObj> kTaskFields[] = {
    {u"SUMMARY", &TVTodoObj::Summary},
    {u"DTSTART", &TVTodoObj::Due},
    {u"DTEND", &TVTodoObj::Due},
    {u"DESCRIPTION", &TVTodoObj::Description},
};

} // namespace

TVTodoObj TKiruVTodo::GetRecord() const
{
    TVTodoObj record = ReadRecord<TVTodoObj>(kTaskFields);
    // Other programs give a to-do its deadline as DUE, often without DTSTART or DTEND.
    if (record.Due.isEmpty())
        record.Due = GetValue(u"DUE"_s);
    if (record.Due.isEmpty())
        record.Due = GetValue(u"DTSTART"_s);
    return record;
}

void TKiruVTodo::SetRecord(const TVTodoObj &record)
{
    WriteRecord<TVTodoObj>(kTaskFields, record);
}
