#include "app/inidocument.h"

#include "common/japanese.h"

using namespace Qt::Literals::StringLiterals;

void TIniDocument::Parse(const QByteArray &shiftJis)
{
    ParseText(ShiftJisToUnicode(shiftJis));
}

void TIniDocument::ParseText(const QString &text)
{
    FSections.clear();
    TSection *current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';'))
            continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed().toString();
            current = nullptr;
            for (TSection &s : FSections)
                if (s.name.compare(name, Qt::CaseInsensitive) == 0)
                    current = &s;
            if (!current) {
                FSections.append(TSection{name, {}});
                current = &FSections.last();
            }
            continue;
        }
        const qsizetype eq = trimmed.indexOf(u'=');
        if (!current || eq <= 0)
            continue;
        const QString key = trimmed.left(eq).trimmed().toString();
        const QString value = trimmed.mid(eq + 1).trimmed().toString();
        bool replaced = false;
        for (TEntry &e : current->entries)
            if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
                e.value = value;
                replaced = true;
            }
        if (!replaced)
            current->entries.append(TEntry{key, value});
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

const TIniDocument::TSection *TIniDocument::FindSection(const QString &name) const
{
    for (const TSection &s : FSections)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

const TIniDocument::TEntry *TIniDocument::Find(const QString &section, const QString &key) const
{
    const TSection *s = FindSection(section);
    if (!s)
        return nullptr;
    for (const TEntry &e : s->entries)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
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
    TSection *s = const_cast<TSection *>(FindSection(section));
    if (!s) {
        FSections.append(TSection{section, {}});
        s = &FSections.last();
    }
    for (TEntry &e : s->entries)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            e.value = value;
            return;
        }
    s->entries.append(TEntry{key, value});
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
