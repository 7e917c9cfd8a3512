#pragma once

#include "pim/propertystore.h"

/// One contact as the editor shows it; every field holds its property's raw value.
struct TIpodVCF
{
    QString Name;        // N
    QString FullName;    // FN
    QString JobTitle;    // TITLE
    QString Org;         // ORG
    QString HomeAddress; // adr;type=home
    QString WorkAddress; // adr;type=work;type=pref
    QString HomePhone;   // tel;type=home
    QString WorkPhone;   // tel;type=work
    QString CellPhone;   // tel;type=cell
    QString Url;         // url;type=work
    QString Email;       // EMAIL;PREF;INTERNET
    QString Note;        // NOTE
    bool operator==(const TIpodVCF &) const = default;
};

/// A vCard file on the player: Shift-JIS lines, or UTF-8 when the card is written in UTF-8.
class TKiruVCF : public TKiruPropertyStore
{
public:
    /// Loads the file, or starts from an empty card when there is none; raises ESorvoError when unreadable.
    explicit TKiruVCF(const QString &fileName);
    TIpodVCF GetRecord() const;
    /// Empty fields leave the file's old values.
    void SetRecord(const TIpodVCF &record);
    /// True when the card's lines are read and written as UTF-8.
    bool Utf8() const { return FUtf8; }

protected:
    QStringList Skeleton() const override;
    bool IsValid() const override;
    QString InvalidMarker() const override;
    int AnchorLine() const override;
    bool IsUtf8() const override { return FUtf8; }
    bool EmptyValueDeletes() const override { return false; }
    void LinesLoaded() override;

private:
    bool FUtf8 = false;
};
