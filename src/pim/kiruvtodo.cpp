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

TVTodoObj TKiruVTodo::GetRecord() const
{
    return {GetValue(u"SUMMARY"_s), GetValue(u"DTEND"_s), GetValue(u"DESCRIPTION"_s)};
}

void TKiruVTodo::SetRecord(const TVTodoObj &r)
{
    SetValue(u"SUMMARY"_s, r.Summary);
    SetValue(u"DTSTART"_s, r.Due);
    SetValue(u"DTEND"_s, r.Due);
    SetValue(u"DESCRIPTION"_s, r.Description);
}
