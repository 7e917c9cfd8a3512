#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

/// An INI text held in memory: sections and keys compared without regard to case, order kept.
class TIniDocument
{
public:
    /// Parses Shift-JIS text; lines that are neither "[section]" nor "key=value" are dropped.
    void Parse(const QByteArray &shiftJis);
    /// Parses text already decoded.
    void ParseText(const QString &text);
    /// Shift-JIS with CR LF, a blank line after each section.
    QByteArray Serialize() const;
    void Clear()
    {
        FSections.clear();
        FSectionIndex.clear();
    }

    bool HasKey(const QString &section, const QString &key) const;
    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
    /// Decimal integers; anything else gives the default.
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    /// Read as an integer, any non-zero value meaning true.
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;
    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);
    QStringList Sections() const;
    qsizetype KeyCount(const QString &section) const;

private:
    struct TEntry
    {
        QString key;
        QString value;
    };
    // Lookups go through case-folded indexes, so that reading a file of any length stays linear.
    struct TSection
    {
        QString name;
        QList<TEntry> entries;
        QHash<QString, qsizetype> index;
    };
    TSection *FindSection(const QString &name);
    const TSection *FindSection(const QString &name) const;
    TSection &SectionFor(const QString &name);
    const TEntry *Find(const QString &section, const QString &key) const;
    static void Put(TSection &section, const QString &key, const QString &value);
    QList<TSection> FSections;
    QHash<QString, qsizetype> FSectionIndex;
};
