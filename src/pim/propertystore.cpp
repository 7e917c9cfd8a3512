#include "pim/propertystore.h"

#include "common/japanese.h"
#include "notes/kirustringlist.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Trims blanks and control characters at both ends.
QByteArrayView TrimBytes(QByteArrayView v)
{
    qsizetype b = 0, e = v.size();
    while (b < e && static_cast<unsigned char>(v[b]) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(v[e - 1]) <= 0x20)
        --e;
    return v.sliced(b, e - b);
}

QByteArray AsciiLower(QByteArrayView v)
{
    QByteArray out = v.toByteArray();
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

/// The lower-cased key of a property line; false for a line without a colon.
bool LineKey(const QByteArray &line, QByteArray &key, QByteArrayView &value)
{
    const qsizetype colon = line.indexOf(':');
    if (colon < 0)
        return false;
    key = AsciiLower(TrimBytes(QByteArrayView(line).first(colon)));
    value = QByteArrayView(line).sliced(colon + 1);
    return true;
}

} // namespace

void TKiruPropertyStore::Open(const QString &fileName)
{
    FileName = fileName;
    FLines.clear();
    if (!QFileInfo::exists(fileName)) {
        for (const QString &l : Skeleton())
            FLines.append(l.toLatin1());
        return;
    }
    FLines = SplitTextLines(ReadWholeFile(fileName));
    LinesLoaded();
    if (!IsValid())
        FLines.append(Encode(InvalidMarker()));
}

QByteArray TKiruPropertyStore::Encode(const QString &text) const
{
    return IsUtf8() ? text.toUtf8() : UnicodeToShiftJis(text);
}

QString TKiruPropertyStore::Decode(const QByteArray &raw) const
{
    if (!IsUtf8())
        return ShiftJisToUnicode(raw);
    return IsWellFormedUtf8(raw) ? QString::fromUtf8(raw) : QString();
}

int TKiruPropertyStore::FindProperty(const QString &key, const QString &value) const
{
    const QByteArray wantKey = AsciiLower(Encode(key.trimmed()));
    const QByteArray wantValue = AsciiLower(Encode(value.trimmed()));
    QByteArray k;
    QByteArrayView v;
    for (qsizetype i = 0; i < FLines.size(); ++i) {
        if (!LineKey(FLines.at(i), k, v) || k != wantKey)
            continue;
        if (wantValue.isEmpty() || AsciiLower(TrimBytes(v)) == wantValue)
            return int(i);
    }
    return -1;
}

int TKiruPropertyStore::FindKey(const QString &key) const
{
    return FindProperty(key, {});
}

QString TKiruPropertyStore::GetValue(const QString &key) const
{
    const int i = FindKey(key);
    if (i < 0)
        return {};
    const QByteArray &line = FLines.at(i);
    return Decode(line.mid(line.indexOf(':') + 1));
}

int TKiruPropertyStore::SetValue(const QString &key, const QString &value)
{
    const int existing = FindKey(key);
    if (value.trimmed().isEmpty()) {
        // vCards keep an old value; calendar files lose the property.
        if (EmptyValueDeletes() && existing >= 0)
            FLines.removeAt(existing);
        return -1;
    }
    const QByteArray line = Encode(key + u':' + value);
    if (existing >= 0) {
        FLines[existing] = line;
        return existing;
    }
    const int at = AnchorLine() + 1;
    FLines.insert(at, line);
    return at;
}

void TKiruPropertyStore::Save() const
{
    WriteFileAtomic(FileName, JoinTextLines(FLines));
}
