#include "pim/kiruvcf.h"

using namespace Qt::Literals::StringLiterals;

TKiruVCF::TKiruVCF(const QString &fileName)
{
    Open(fileName);
}

QStringList TKiruVCF::Skeleton() const
{
    return {u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"END:vcard"_s};
}

bool TKiruVCF::IsValid() const
{
    return GetValue(u"begin"_s).toLower() == u"vcard"_s && !GetValue(u"version"_s).isEmpty() &&
           GetValue(u"end"_s).toLower() == u"vcard"_s;
}

QString TKiruVCF::InvalidMarker() const
{
    return u"不正なVCARDファイルです"_s;
}

int TKiruVCF::AnchorLine() const
{
    return FindKey(u"version"_s);
}

namespace {

// Properties in the order a new card receives them.
constexpr TPropertyField<TIpodVCF> kCardFields[] = {
    {u"FN", &TIpodVCF::FullName},
    {u"N", &TIpodVCF::Name},
    {u"TITLE", &TIpodVCF::JobTitle},
    {u"ORG", &TIpodVCF::Org},
    {u"NOTE", &TIpodVCF::Note},
    {u"url;type=work", &TIpodVCF::Url},
    {u"adr;type=home", &TIpodVCF::HomeAddress},
    {u"adr;type=work;type=pref", &TIpodVCF::WorkAddress},
    {u"tel;type=home", &TIpodVCF::HomePhone},
    {u"tel;type=work", &TIpodVCF::WorkPhone},
    {u"tel;type=cell", &TIpodVCF::CellPhone},
    {u"EMAIL;PREF;INTERNET", &TIpodVCF::Email},
};

} // namespace

TIpodVCF TKiruVCF::GetRecord() const
{
    return ReadRecord<TIpodVCF>(kCardFields);
}

void TKiruVCF::SetRecord(const TIpodVCF &record)
{
    WriteRecord<TIpodVCF>(kCardFields, record);
}
