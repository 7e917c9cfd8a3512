#include "tags/tagtext.h"

#include "common/japanese.h"

#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

QString TrimTagText(const QString &text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 0x20)
        ++b;
    while (e > b && text[e - 1].unicode() <= 0x20)
        --e;
    return (b == 0 && e == text.size()) ? text : text.mid(b, e - b);
}

QString DecodeSingleByteField(QByteArrayView bytes)
{
    qsizetype b = 0;
    while (b < bytes.size() && bytes[b] == '\0')
        ++b;
    qsizetype e = b;
    while (e < bytes.size() && bytes[e] != '\0')
        ++e;
    return TrimTagText(ShiftJisToUnicode(bytes.sliced(b, e - b)));
}

QString DecodeUtf16Units(QByteArrayView bytes, bool bigEndian)
{
    const qsizetype units = bytes.size() / 2;
    QString out;
    out.reserve(units);
    for (qsizetype i = 0; i < units; ++i) {
        const char *p = bytes.data() + 2 * i;
        const char16_t u = bigEndian ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
        if (u == 0)
            break;
        out.append(QChar(u));
    }
    return out;
}

QString DecodeUtf8Field(QByteArrayView bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return QString::fromUtf8(zero < 0 ? bytes : bytes.first(zero));
}

QString DecodeId3Text(int encoding, QByteArrayView bytes)
{
    switch (encoding) {
    case 0:
        return DecodeSingleByteField(bytes);
    case 1: {
        // The byte-order mark decides; text without one is taken as little-endian.
        bool bigEndian = false;
        if (bytes.size() >= 2) {
            const auto b0 = quint8(bytes[0]), b1 = quint8(bytes[1]);
            if (b0 == 0xFF && b1 == 0xFE) {
                bytes = bytes.sliced(2);
            } else if (b0 == 0xFE && b1 == 0xFF) {
                bytes = bytes.sliced(2);
                bigEndian = true;
            }
        }
        return TrimTagText(DecodeUtf16Units(bytes, bigEndian));
    }
    case 2:
        return TrimTagText(DecodeUtf16Units(bytes, true));
    case 3:
        return TrimTagText(DecodeUtf8Field(bytes));
    default:
        return u"???"_s;
    }
}

qsizetype FindId3Terminator(int encoding, QByteArrayView bytes, qsizetype from)
{
    if (encoding == 1 || encoding == 2) {
        for (qsizetype i = from; i + 1 < bytes.size(); i += 2)
            if (bytes[i] == '\0' && bytes[i + 1] == '\0')
                return i + 2;
        return -1;
    }
    const qsizetype zero = from < bytes.size() ? bytes.indexOf('\0', from) : -1;
    return zero < 0 ? -1 : zero + 1;
}

quint32 SynchsafeSize(QByteArrayView b)
{
    quint32 v = 0;
    for (qsizetype i = 0; i < 4; ++i)
        v = (v << 7) | (i < b.size() ? (quint32(quint8(b[i])) & 0x7F) : 0);
    return v;
}
