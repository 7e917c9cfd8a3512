#include "pim/kiruvcal.h"

using namespace Qt::Literals::StringLiterals;

bool TKiruCalendarFile::IsValid() const
{
    // "vcalender" is how every file this program writes spells it.
    return GetValue(u"begin"_s).toLower() == u"vcalender"_s && !GetValue(u"version"_s).isEmpty();
}

QString TKiruCalendarFile::InvalidMarker() const
{
    return u"不正なVCARD Calenderファイルです"_s;
}

TKiruVCal::TKiruVCal(const QString &fileName)
{
    Open(fileName);
}

QStringList TKiruVCal::Skeleton() const
{
    return {u"BEGIN:vcalender"_s, u"VERSION:2.0"_s, u"BEGIN:vevent"_s, u"END:vevent"_s, u"END:vcalender"_s};
}

int TKiruVCal::AnchorLine() const
{
    return FindProperty(u"begin"_s, u"vevent"_s);
}

TIpodVCal TKiruVCal::GetRecord() const
{
    TIpodVCal r;
    r.Summary = GetValue(u"SUMMARY"_s);
    r.DtStart = GetValue(u"DTSTART"_s);
    r.DtEnd = GetValue(u"DTEND"_s);
    r.DAlarm = GetValue(u"DALARM"_s);
    r.Categories = GetValue(u"CATEGORIES"_s);
    r.Priority = GetValue(u"PRIORITY"_s);
    r.EventClass = GetValue(u"CLASS"_s);
    r.Description = GetValue(u"DESCRIPTION"_s);
    return r;
}

void TKiruVCal::SetRecord(const TIpodVCal &r)
{
    SetValue(u"SUMMARY"_s, r.Summary);
    SetValue(u"DTSTART"_s, r.DtStart);
    SetValue(u"DTEND"_s, r.DtEnd);
    SetValue(u"DALARM"_s, r.DAlarm);
    SetValue(u"CATEGORIES"_s, r.Categories);
    SetValue(u"PRIORITY"_s, r.Priority);
    SetValue(u"CLASS"_s, r.EventClass);
    SetValue(u"DESCRIPTION"_s, r.Description);
}
