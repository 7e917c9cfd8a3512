#include "pim/propertystore.h"

#include "common/japanese.h"
#include "common/kirustringlist.h"

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

// Parameters that say how a value is written, not what it means: a key matches without them.
bool IsTransportParameter(QByteArrayView lowerParam)
{
    const qsizetype eq = lowerParam.indexOf('=');
    const QByteArrayView name = eq < 0 ? lowerParam : lowerParam.first(eq);
    if (eq < 0)
        return name == "quoted-printable" || name == "base64" || name == "8bit";
    return name == "encoding" || name == "charset" || name == "value" || name == "tzid";
}

// The key without its transport parameters: "fn;charset=utf-8" is "fn".
QByteArray MeaningKey(const QByteArray &lowerKey)
{
    if (!lowerKey.contains(';'))
        return lowerKey;
    const QList<QByteArray> parts = lowerKey.split(';');
    QByteArray out = parts.first();
    for (qsizetype i = 1; i < parts.size(); ++i)
        if (!IsTransportParameter(parts.at(i)))
            out += ';' + parts.at(i);
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

bool IsQuotedPrintable(const QByteArray &lowerKey)
{
    return lowerKey.contains(";encoding=quoted-printable") || lowerKey.contains(";quoted-printable");
}

// The CHARSET parameter of a key, lower-cased; empty when there is none.
QByteArray Charset(const QByteArray &lowerKey)
{
    const qsizetype at = lowerKey.indexOf(";charset=");
    if (at < 0)
        return {};
    const qsizetype from = at + 9;
    const qsizetype to = lowerKey.indexOf(';', from);
    return lowerKey.mid(from, to < 0 ? -1 : to - from);
}

QByteArray DecodeQuotedPrintable(QByteArrayView v)
{
    QByteArray out;
    out.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] == '=' && i + 2 < v.size()) {
            bool ok = false;
            const int byte = v.sliced(i + 1, 2).toByteArray().toInt(&ok, 16);
            if (ok) {
                out += char(byte);
                i += 2;
                continue;
            }
        }
        if (v[i] == '=' && i == v.size() - 1)
            break; // a soft line break left at the end
        out += v[i];
    }
    return out;
}

// Joins folded lines: a line starting with a blank or a tab continues the one before (the blank goes),
// and a quoted-printable value ending in "=" goes on in the next line. Lines that were joined are
// remembered with the bytes they came as.
QList<QByteArray> Unfold(const QList<QByteArray> &physical, QHash<QByteArray, QByteArray> &folded)
{
    QList<QByteArray> lines;
    QList<QByteArray> origin;
    bool softBreak = false;
    for (const QByteArray &line : physical) {
        const bool continues =
            !lines.isEmpty() && (softBreak || (!line.isEmpty() && (line[0] == ' ' || line[0] == '\t')));
        if (continues) {
            if (softBreak) {
                lines.last().chop(1);
                lines.last() += line;
            } else {
                lines.last() += line.mid(1);
            }
            origin.last() += "\r\n" + line;
        } else {
            lines.append(line);
            origin.append(line);
        }
        QByteArray key;
        QByteArrayView value;
        softBreak = LineKey(lines.last(), key, value) && IsQuotedPrintable(key) && lines.last().endsWith('=');
    }
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (origin.at(i).size() != lines.at(i).size())
            folded.insert(lines.at(i), origin.at(i));
    return lines;
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
    FFolded.clear();
    FLines = Unfold(SplitTextLines(ReadWholeFile(fileName)), FFolded);
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
    const QByteArray wantKey = MeaningKey(AsciiLower(Encode(key.trimmed())));
    const QByteArray wantValue = AsciiLower(Encode(value.trimmed()));
    QByteArray k;
    QByteArrayView v;
    const qsizetype last =
        FScopeLast < 0 ? FLines.size() - 1 : qMin<qsizetype>(FScopeLast, FLines.size() - 1);
    for (qsizetype i = qMax(0, FScopeFirst); i <= last; ++i) {
        if (!LineKey(FLines.at(i), k, v) || MeaningKey(k) != wantKey)
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
    QByteArray k;
    QByteArrayView v;
    LineKey(FLines.at(i), k, v);
    const QByteArray raw = IsQuotedPrintable(k) ? DecodeQuotedPrintable(v) : v.toByteArray();
    // A value may say its own character set, whatever the rest of the file uses.
    const QByteArray charset = Charset(k);
    if (charset == "utf-8")
        return IsWellFormedUtf8(raw) ? QString::fromUtf8(raw) : QString();
    if (charset == "shift_jis" || charset == "shift-jis" || charset == "sjis")
        return ShiftJisToUnicode(raw);
    return Decode(raw);
}

QList<std::pair<int, int>> TKiruPropertyStore::Blocks(const QByteArray &name) const
{
    QList<std::pair<int, int>> blocks;
    int open = -1;
    QByteArray k;
    QByteArrayView v;
    for (qsizetype i = 0; i < FLines.size(); ++i) {
        if (!LineKey(FLines.at(i), k, v))
            continue;
        const QByteArray value = AsciiLower(TrimBytes(v));
        if (open < 0 && k == "begin" && value == name) {
            open = int(i);
        } else if (open >= 0 && k == "end" && value == name) {
            blocks.append({open, int(i)});
            open = -1;
        }
    }
    if (open >= 0)
        blocks.append({open, int(FLines.size()) - 1});
    return blocks;
}

int TKiruPropertyStore::SetValue(const QString &key, const QString &value)
{
    const int existing = FindKey(key);
    if (existing >= 0)
        FFolded.remove(FLines.at(existing)); // a rewritten line goes out as one line
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
    QList<QByteArray> out;
    out.reserve(FLines.size());
    for (const QByteArray &line : FLines)
        out.append(FFolded.value(line, line));
    WriteFileAtomic(FileName, JoinTextLines(out));
}
