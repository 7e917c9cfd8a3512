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
    return ReadRecord<TVTodoObj>(kTaskFields);
}

void TKiruVTodo::SetRecord(const TVTodoObj &record)
{
    WriteRecord<TVTodoObj>(kTaskFields, record);
}
