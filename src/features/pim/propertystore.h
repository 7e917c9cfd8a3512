#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <span>
#include <utility>

/// A record field and the property it is stored in.
template <typename TRecord> struct TPropertyField
{
    const char16_t *FKey;
    QString TRecord::*FField;
};

/// A vCard or vCalendar file seen as "key:value" lines: the first line with a key wins. Folded lines are
/// joined when read (and written back folded as they came); parameters that only say how a value is
/// written (ENCODING, CHARSET, VALUE, TZID) are not part of the key, and quoted-printable values are
/// decoded.
class TKiruPropertyStore
{
public:
    virtual ~TKiruPropertyStore() = default;

    /// The raw value of the first line with that key, decoded; empty when there is none.
    QString GetValue(const QString &key) const;
    /// Writes "key:value"; returns the index of the written line or -1.
    int SetValue(const QString &key, const QString &value);
    /// Index of the first line with that key (any value), or -1.
    int FindKey(const QString &key) const;
    /// Index of the first line with that key whose trimmed, lower-cased value equals value (any value
    /// when empty), or -1.
    int FindProperty(const QString &key, const QString &value) const;
    /// Writes the lines with CR LF ends, replacing the file; raises ESorvoError.
    void Save() const;

    /// Line ranges (BEGIN line, END line or the last line) of the blocks with that name, such as "vcard"
    /// or "vevent", in file order; nested blocks are found too.
    QList<std::pair<int, int>> Blocks(const QByteArray &name) const;
    /// Limits the look-ups (GetValue, FindKey, FindProperty, SetValue) to the lines first..last;
    /// ClearScope looks at the whole file again.
    void SetScope(int first, int last)
    {
        FScopeFirst = first;
        FScopeLast = last;
    }
    void ClearScope() { SetScope(0, -1); }

    /// A record from the properties of its fields; a field listed twice takes the later property.
    template <typename TRecord> TRecord ReadRecord(std::span<const TPropertyField<TRecord>> fields) const
    {
        TRecord record;
        for (const TPropertyField<TRecord> &f : fields)
            record.*f.FField = GetValue(QString::fromUtf16(f.FKey));
        return record;
    }
    /// Writes the record's fields in the table's order (new properties appear in that order).
    template <typename TRecord>
    void WriteRecord(std::span<const TPropertyField<TRecord>> fields, const TRecord &record)
    {
        for (const TPropertyField<TRecord> &f : fields)
            SetValue(QString::fromUtf16(f.FKey), record.*f.FField);
    }

    QString FileName;
    QList<QByteArray> FLines;

protected:
    /// Loads the file or, when there is none, the skeleton; appends the marker when not valid.
    void Open(const QString &fileName);
    virtual QStringList Skeleton() const = 0;
    virtual bool IsValid() const = 0;
    virtual QString InvalidMarker() const = 0;
    /// Index after which a new property goes, or -1 for the top.
    virtual int AnchorLine() const = 0;
    /// Calendar files hold UTF-8; vCards hold Shift-JIS unless the file says otherwise.
    virtual bool IsUtf8() const = 0;
    /// Calendar files lose a property set to an empty value; vCards keep the old value.
    virtual bool EmptyValueDeletes() const = 0;
    /// Runs once the lines are loaded, before the validity check: a class may choose its encoding here.
    virtual void LinesLoaded() {}

private:
    QByteArray Encode(const QString &text) const;
    QString Decode(const QByteArray &raw) const;

    int FScopeFirst = 0;
    int FScopeLast = -1; // -1: to the end
    /// Lines that came folded over several lines, and the bytes they came as.
    QHash<QByteArray, QByteArray> FFolded;
};
