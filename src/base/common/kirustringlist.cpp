#include "common/kirustringlist.h"

#include "common/format.h"
#include "common/japanese.h"
#include "common/sorvoerror.h"
#include "platform/regularfile.h"
#include "platform/safefilewriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

namespace {

// Detection looks at no more than this many bytes.
constexpr qsizetype kScanWindow = 32767;

/// Length of the well-formed UTF-8 sequence at i (1 for ASCII), 0 when ill-formed, -1 when cut by the end.
int Utf8SequenceLength(QByteArrayView d, qsizetype i)
{
    const auto b0 = static_cast<unsigned char>(d[i]);
    if (b0 < 0x80)
        return 1;
    int len;
    unsigned char lo = 0x80, hi = 0xBF; // bounds of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        if (b0 == 0xE0)
            lo = 0xA0; // no overlong forms
        else if (b0 == 0xED)
            hi = 0x9F; // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        if (b0 == 0xF0)
            lo = 0x90;
        else if (b0 == 0xF4)
            hi = 0x8F; // nothing above U+10FFFF
    } else {
        return 0;
    }
    for (int k = 1; k < len; ++k) {
        if (i + k >= d.size())
            return -1;
        const auto b = static_cast<unsigned char>(d[i + k]);
        if (k == 1 ? (b < lo || b > hi) : (b < 0x80 || b > 0xBF))
            return 0;
    }
    return len;
}

/// True when the text is UTF-8: multi-byte characters well-formed nearly everywhere over the whole text.
/// A few damaged bytes leave a text UTF-8, even a short one, as long as its well-formed characters clearly
/// outnumber them; Shift-JIS and EUC-JP text breaks the rules at nearly every character.
bool LooksLikeUtf8(QByteArrayView data)
{
    constexpr qsizetype kFewBroken = 3;
    qsizetype multi = 0, broken = 0;
    qsizetype i = 0;
    while (i < data.size()) {
        const int len = Utf8SequenceLength(data, i);
        if (len > 1) {
            ++multi;
            i += len;
        } else {
            if (len <= 0)
                ++broken;
            ++i;
        }
    }
    return multi > 0 && (broken * 10 <= multi || (broken <= kFewBroken && broken * 2 <= multi));
}

/// 0 little-endian, 1 big-endian, -1 neither: UTF-16 without a byte order mark shows itself by the zero
/// bytes of its ASCII characters (line breaks at least), all on one side of each pair.
int Utf16WithoutMark(QByteArrayView data)
{
    const qsizetype n = qMin<qsizetype>(data.size(), 65536) & ~qsizetype(1);
    qsizetype evenZeros = 0, oddZeros = 0;
    for (qsizetype i = 0; i < n; ++i)
        if (data[i] == 0)
            (i % 2 ? oddZeros : evenZeros) += 1;
    if (oddZeros > 0 && evenZeros == 0)
        return 0;
    if (evenZeros > 0 && oddZeros == 0)
        return 1;
    return -1;
}

QByteArray Utf16ToShiftJis(QByteArrayView data, bool bigEndian, qsizetype skip, int *replaced)
{
    QString text;
    text.reserve(data.size() / 2);
    for (qsizetype i = skip; i + 1 < data.size(); i += 2) {
        const char16_t unit = bigEndian ? qFromBigEndian<quint16>(data.data() + i)
                                        : qFromLittleEndian<quint16>(data.data() + i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return UnicodeToShiftJis(text, replaced);
}

} // namespace

bool IsWellFormedUtf8(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int len = Utf8SequenceLength(bytes, i);
        if (len <= 0)
            return false;
        i += len;
    }
    return true;
}

QList<QByteArray> SplitTextLines(QByteArrayView text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.append(text.sliced(start, i - start).toByteArray());
            if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < n)
        lines.append(text.sliced(start).toByteArray());
    return lines;
}

QByteArray JoinTextLines(const QList<QByteArray> &lines)
{
    qsizetype size = 0;
    for (const QByteArray &l : lines)
        size += l.size() + 2;
    QByteArray out;
    out.reserve(size);
    for (const QByteArray &l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

void WriteFileAtomic(const QString &fileName, const QByteArray &bytes)
{
    QString why;
    if (!SaveFileSafely(fileName, bytes, &why))
        throw ESorvoError(
            Format(QCoreApplication::translate("TKiruStringList", "ファイル[ %s ]に書き込めません (%s)"),
                   {fileName, why}));
}

QByteArray ReadWholeFile(const QString &fileName, qint64 limit)
{
    QByteArray bytes;
    QString why;
    if (!ReadRegularFile(fileName, bytes, &why, limit))
        throw ESorvoError(
            Format(QCoreApplication::translate("TKiruStringList", "ファイル[ %s ]を開けません (%s)"),
                   {fileName, why}));
    return bytes;
}

void TKiruStringList::LoadFromFileEx(const QString &fileName, int code)
{
    LoadFromStreamEx(ReadWholeFile(fileName), code);
}

int TKiruStringList::DetectEncoding(QByteArrayView data)
{
    if (data.size() >= 2) {
        const auto b0 = static_cast<unsigned char>(data[0]), b1 = static_cast<unsigned char>(data[1]);
        if (b0 == 0xFF && b1 == 0xFE)
            return tcUTF16LE;
        if (b0 == 0xFE && b1 == 0xFF)
            return tcUTF16BE;
    }
    if (data.startsWith("\xEF\xBB\xBF"))
        return tcUTF8;
    if (const int order = Utf16WithoutMark(data); order >= 0)
        return order == 0 ? tcUTF16LE : tcUTF16BE;
    if (LooksLikeUtf8(data))
        return tcUTF8;

    // The classic scan: never the text's last byte, at most the first 32767.
    int result = tcEUC;
    const qsizetype end = qMin<qsizetype>(data.size(), kScanWindow + 1) - 1;
    qsizetype i = 0;
    while (i < end) {
        const auto b = static_cast<unsigned char>(data[i]);
        if (b == 0x1B && i + 2 < data.size() && (data[i + 1] == '$' || data[i + 1] == '(') &&
            data[i + 2] == 'B')
            return tcJIS;
        if (b >= 0x80 && b <= 0xA0) {
            result = tcShiftJIS;
            i += 2;
        } else {
            ++i;
        }
    }
    return result;
}

void TKiruStringList::LoadFromStreamEx(QByteArrayView data, int code)
{
    // A forced UTF-16 load skips two bytes as the byte order mark; a detected one only when it is there.
    qsizetype skip = 2;
    if (code == tcAuto) {
        code = DetectEncoding(data);
        skip = data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF") ? 2 : 0;
    }
    FReplacedChars = 0;
    FBrokenSequences = 0;
    switch (code) {
    case tcUTF16LE:
    case tcUTF16BE:
        FLines = SplitTextLines(Utf16ToShiftJis(data, code == tcUTF16BE, skip, &FReplacedChars));
        break;
    case tcUTF8: {
        // A damaged byte becomes U+FFFD and so "?", counted with the characters Shift-JIS lacks.
        const QByteArrayView body = data.startsWith("\xEF\xBB\xBF") ? data.sliced(3) : data;
        const QString text = QString::fromUtf8(body);
        // The replacement characters the decoding made, not those the text held already.
        FBrokenSequences = int(text.count(QChar::ReplacementCharacter) - body.count("\xEF\xBF\xBD"));
        FLines = SplitTextLines(UnicodeToShiftJis(text, &FReplacedChars));
        break;
    }
    case tcJIS:
        FLines = SplitTextLines(JisToShiftJis(data));
        break;
    case tcEUC:
        FLines = SplitTextLines(EucToShiftJis(data));
        break;
    default:
        code = tcShiftJIS;
        FLines = SplitTextLines(data);
        break;
    }
    Encoding = code;
}

void TKiruStringList::SetText(QByteArrayView text)
{
    FLines = SplitTextLines(text);
}

QByteArray TKiruStringList::Text() const
{
    return JoinTextLines(FLines);
}

qint64 TKiruStringList::TextLength() const
{
    qint64 n = 0;
    for (const QByteArray &l : FLines)
        n += l.size() + 2;
    return n;
}

QString TKiruStringList::UnicodeText() const
{
    QStringList lines;
    lines.reserve(FLines.size());
    for (const QByteArray &l : FLines)
        lines.append(ShiftJisToUnicode(l));
    return lines.join(u'\n');
}

void TKiruStringList::SaveToFile(const QString &fileName) const
{
    WriteFileAtomic(fileName, Text());
}
