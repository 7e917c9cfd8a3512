#include "pim/kiruvcf.h"

#include "common/kirustringlist.h"

using namespace Qt::Literals::StringLiterals;

TKiruVCF::TKiruVCF(const QString &fileName)
{
    Open(fileName);
}

void TKiruVCF::LinesLoaded()
{
    // Phones and address books write UTF-8 cards (vCard 3.0 and 4.0); read as Shift-JIS they would list
    // as garbage and an edit would write garbage back. A card is UTF-8 when it says so, or when all of
    // it is well-formed UTF-8 with at least one multi-byte character.
    bool multiByte = false;
    bool wellFormed = true;
    if (!FLines.isEmpty() && FLines.first().startsWith("\xEF\xBB\xBF")) {
        // A byte order mark only ever starts UTF-8 text; the player's files go without it.
        FLines.first().remove(0, 3);
        FUtf8 = true;
        return;
    }
    for (const QByteArray &line : std::as_const(FLines)) {
        if (line.toUpper().contains("CHARSET=UTF-8")) {
            FUtf8 = true;
            return;
        }
        for (char c : line)
            if (static_cast<unsigned char>(c) >= 0x80) {
                multiByte = true;
                break;
            }
        wellFormed = wellFormed && IsWellFormedUtf8(line);
    }
    FUtf8 = multiByte && wellFormed;
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
