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

namespace {

constexpr TPropertyField<TIpodVCal> kEventFields[] = {
    {u"SUMMARY", &TIpodVCal::Summary},       {u"DTSTART", &TIpodVCal::DtStart},
    {u"DTEND", &TIpodVCal::DtEnd},           {u"DALARM", &TIpodVCal::DAlarm},
    {u"CATEGORIES", &TIpodVCal::Categories}, {u"PRIORITY", &TIpodVCal::Priority},
    {u"CLASS", &TIpodVCal::EventClass},      {u"DESCRIPTION", &TIpodVCal::Description},
};

} // namespace

TIpodVCal TKiruVCal::GetRecord() const
{
    return ReadRecord<TIpodVCal>(kEventFields);
}

void TKiruVCal::SetRecord(const TIpodVCal &record)
{
    WriteRecord<TIpodVCal>(kEventFields, record);
}
