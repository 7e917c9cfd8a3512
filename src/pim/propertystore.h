#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <span>

/// A record field and the property it is stored in.
template <typename TRecord> struct TPropertyField
{
    const char16_t *FKey;
    QString TRecord::*FField;
};

/// A vCard or vCalendar file seen as "key:value" lines: the first line with a key wins, nothing else is
/// parsed.
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
    /// Calendar files hold UTF-8; vCards hold Shift-JIS.
    virtual bool IsUtf8() const = 0;

private:
    QByteArray Encode(const QString &text) const;
    QString Decode(const QByteArray &raw) const;
};
