#include "pim/kiruvcf.h"

#include "notes/kirustringlist.h"

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

TIpodVCF TKiruVCF::GetRecord() const
{
    TIpodVCF r;
    r.Name = GetValue(u"N"_s);
    r.FullName = GetValue(u"FN"_s);
    r.JobTitle = GetValue(u"TITLE"_s);
    r.Org = GetValue(u"ORG"_s);
    r.HomeAddress = GetValue(u"adr;type=home"_s);
    r.WorkAddress = GetValue(u"adr;type=work;type=pref"_s);
    r.HomePhone = GetValue(u"tel;type=home"_s);
    r.WorkPhone = GetValue(u"tel;type=work"_s);
    r.CellPhone = GetValue(u"tel;type=cell"_s);
    r.Url = GetValue(u"url;type=work"_s);
    r.Email = GetValue(u"EMAIL;PREF;INTERNET"_s);
    r.Note = GetValue(u"NOTE"_s);
    return r;
}

void TKiruVCF::SetRecord(const TIpodVCF &r)
{
    SetValue(u"FN"_s, r.FullName);
    SetValue(u"N"_s, r.Name);
    SetValue(u"TITLE"_s, r.JobTitle);
    SetValue(u"ORG"_s, r.Org);
    SetValue(u"NOTE"_s, r.Note);
    SetValue(u"url;type=work"_s, r.Url);
    SetValue(u"adr;type=home"_s, r.HomeAddress);
    SetValue(u"adr;type=work;type=pref"_s, r.WorkAddress);
    SetValue(u"tel;type=home"_s, r.HomePhone);
    SetValue(u"tel;type=work"_s, r.WorkPhone);
    SetValue(u"tel;type=cell"_s, r.CellPhone);
    SetValue(u"EMAIL;PREF;INTERNET"_s, r.Email);
}
