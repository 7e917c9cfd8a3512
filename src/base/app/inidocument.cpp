#include "app/inidocument.h"

#include "common/japanese.h"

using namespace Qt::Literals::StringLiterals;

void TIniDocument::Parse(const QByteArray &shiftJis)
{
    ParseText(ShiftJisToUnicode(shiftJis));
}

void TIniDocument::ParseText(const QString &text)
{
    Clear();
    TSection *current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';'))
            continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            current = &SectionFor(trimmed.mid(1, trimmed.size() - 2).trimmed().toString());
            continue;
        }
        const qsizetype eq = trimmed.indexOf(u'=');
        if (!current || eq <= 0)
            continue;
        Put(*current, trimmed.left(eq).trimmed().toString(), trimmed.mid(eq + 1).trimmed().toString());
    }
}

QByteArray TIniDocument::Serialize() const
{
    QString text;
    for (const TSection &s : FSections) {
        text += u'[' + s.name + u"]\r\n"_s;
        for (const TEntry &e : s.entries)
            text += e.key + u'=' + e.value + u"\r\n"_s;
        text += u"\r\n"_s;
    }
    return UnicodeToShiftJis(text);
}

TIniDocument::TSection *TIniDocument::FindSection(const QString &name)
{
    const auto it = FSectionIndex.constFind(name.toCaseFolded());
    return it == FSectionIndex.cend() ? nullptr : &FSections[*it];
}

const TIniDocument::TSection *TIniDocument::FindSection(const QString &name) const
{
    const auto it = FSectionIndex.constFind(name.toCaseFolded());
    return it == FSectionIndex.cend() ? nullptr : &FSections[*it];
}

TIniDocument::TSection &TIniDocument::SectionFor(const QString &name)
{
    if (TSection *s = FindSection(name))
        return *s;
    FSectionIndex.insert(name.toCaseFolded(), FSections.size());
    FSections.append(TSection{name, {}, {}});
    return FSections.last();
}

void TIniDocument::Put(TSection &section, const QString &key, const QString &value)
{
    const QString folded = key.toCaseFolded();
    const auto it = section.index.constFind(folded);
    if (it != section.index.cend()) {
        section.entries[*it].value = value;
        return;
    }
    section.index.insert(folded, section.entries.size());
    section.entries.append(TEntry{key, value});
}

const TIniDocument::TEntry *TIniDocument::Find(const QString &section, const QString &key) const
{
    const TSection *s = FindSection(section);
    if (!s)
        return nullptr;
    const auto it = s->index.constFind(key.toCaseFolded());
    return it == s->index.cend() ? nullptr : &s->entries[*it];
}

bool TIniDocument::HasKey(const QString &section, const QString &key) const
{
    return Find(section, key) != nullptr;
}

QString TIniDocument::ReadString(const QString &section, const QString &key,
                                 const QString &defaultValue) const
{
    const TEntry *e = Find(section, key);
    return e ? e->value : defaultValue;
}

int TIniDocument::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    const TEntry *e = Find(section, key);
    if (!e)
        return defaultValue;
    bool ok = false;
    const int v = e->value.toInt(&ok, 10);
    return ok ? v : defaultValue;
}

bool TIniDocument::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniDocument::WriteString(const QString &section, const QString &key, const QString &value)
{
    Put(SectionFor(section), key, value);
}

void TIniDocument::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniDocument::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? u"1"_s : u"0"_s);
}

QStringList TIniDocument::Sections() const
{
    QStringList out;
    for (const TSection &s : FSections)
        out << s.name;
    return out;
}

qsizetype TIniDocument::KeyCount(const QString &section) const
{
    const TSection *s = FindSection(section);
    return s ? s->entries.size() : 0;
}
