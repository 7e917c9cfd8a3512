#include "notes/kirustringlist.h"

#include "app/sorvoerror.h"
#include "common/format.h"
#include "common/japanese.h"
#include "platform/safefilewriter.h"

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

/// True when the window holds well-formed UTF-8 with at least one multi-byte character.
bool LooksLikeUtf8(QByteArrayView window, bool cutAtEndAllowed)
{
    bool multi = false;
    qsizetype i = 0;
    while (i < window.size()) {
        const int len = Utf8SequenceLength(window, i);
        if (len == 0)
            return false;
        if (len < 0)
            return cutAtEndAllowed && multi;
        multi = multi || len > 1;
        i += len;
    }
    return multi;
}

QByteArray Utf16ToShiftJis(QByteArrayView data, bool bigEndian)
{
    QString text;
    text.reserve(data.size() / 2);
    for (qsizetype i = 2; i + 1 < data.size(); i += 2) {
        const char16_t unit = bigEndian ? qFromBigEndian<quint16>(data.data() + i)
                                        : qFromLittleEndian<quint16>(data.data() + i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return UnicodeToShiftJis(text);
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
        throw ESorvoError(Format(u"ファイル[ %s ]に書き込めません (%s)"_s, {fileName, why}));
}

QByteArray ReadWholeFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ESorvoError(Format(u"ファイル[ %s ]を開けません (%s)"_s, {fileName, file.errorString()}));
    return file.readAll();
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
    const bool windowCut = data.size() > kScanWindow;
    if (LooksLikeUtf8(data.first(qMin(data.size(), kScanWindow)), windowCut))
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
    if (code == tcAuto)
        code = DetectEncoding(data);
    switch (code) {
    case tcUTF16LE:
    case tcUTF16BE:
        FLines = SplitTextLines(Utf16ToShiftJis(data, code == tcUTF16BE));
        break;
    case tcUTF8: {
        const QByteArrayView body = data.startsWith("\xEF\xBB\xBF") ? data.sliced(3) : data;
        FLines = SplitTextLines(UnicodeToShiftJis(QString::fromUtf8(body)));
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
