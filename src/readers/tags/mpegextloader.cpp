#include "tags/mpegextloader.h"

#include "common/japanese.h"
#include "tags/tagsource.h"
#include "tags/tagtext.h"

#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

namespace {

// Larger lyrics frames are not read.
constexpr qint64 MaxLyricsFrame = 524288;

bool IsByteOrderMark(QByteArrayView b, qsizetype i, bool *bigEndian)
{
    if (i + 1 >= b.size())
        return false;
    const auto b0 = quint8(b[i]), b1 = quint8(b[i + 1]);
    if (b0 == 0xFF && b1 == 0xFE) {
        *bigEndian = false;
        return true;
    }
    if (b0 == 0xFE && b1 == 0xFF) {
        *bigEndian = true;
        return true;
    }
    return false;
}

// Every run that follows a byte-order mark and ends at a zero 16-bit unit or at the end of the body,
// appended in order; zero pairs outside a run are passed over.
QString Utf16Runs(QByteArrayView body, qsizetype start)
{
    QString result;
    qsizetype pos = start;
    while (pos + 1 < body.size()) {
        bool bigEndian = false;
        if (IsByteOrderMark(body, pos, &bigEndian)) {
            const qsizetype runStart = pos + 2;
            qsizetype end = -1;
            for (qsizetype i = runStart; i + 1 < body.size(); i += 2) {
                if (body[i] == '\0' && body[i + 1] == '\0') {
                    end = i;
                    break;
                }
            }
            if (end < 0)
                end = runStart + (body.size() - runStart) / 2 * 2; // the end of the frame closes the last run
            QString run = DecodeUtf16Units(body.sliced(runStart, end - runStart), bigEndian);
            run.remove(QChar(0xFEFF));
            result += run;
            pos = end + 2;
        } else if (body[pos] == '\0' && body[pos + 1] == '\0') {
            pos += 2;
        } else {
            ++pos;
        }
    }
    return result;
}

bool HasByteOrderMark(QByteArrayView body, qsizetype start)
{
    bool bigEndian;
    for (qsizetype i = start; i + 1 < body.size(); ++i)
        if (IsByteOrderMark(body, i, &bigEndian))
            return true;
    return false;
}

} // namespace

QString TMPEGExtLoader::LyricsText(int encoding, QByteArrayView body)
{
    const qsizetype start = body.startsWith("eng") ? 3 : 0;
    if (encoding == 1 || encoding > 3 || HasByteOrderMark(body, start))
        return Utf16Runs(body, start);
    // Single-byte, UTF-16BE or UTF-8 text: after the language code and the descriptor's terminator.
    if (body.size() < 3)
        return {};
    const qsizetype textStart = FindId3Terminator(encoding, body, 3);
    if (textStart < 0)
        return {};
    const QByteArrayView text = body.sliced(textStart);
    switch (encoding) {
    case 0: {
        const qsizetype zero = text.indexOf('\0');
        return ShiftJisToUnicode(zero < 0 ? text : text.first(zero));
    }
    case 2:
        return DecodeUtf16Units(text, true);
    default:
        return DecodeUtf8Field(text);
    }
}

void TMPEGExtLoader::LoadFromFile(const QString &path)
{
    FLyrics.clear();
    TTagSource source(path);
    LoadFromSource(source);
}

void TMPEGExtLoader::LoadFromData(QByteArrayView data)
{
    TTagSource source(data);
    LoadFromSource(source);
}

void TMPEGExtLoader::LoadFromSource(TTagSource &source)
{
    FLyrics.clear();
    const QByteArray header = source.Read(0, 10).toByteArray();
    if (header.size() < 10 || !header.startsWith("ID3"))
        return;
    const int version = quint8(header[3]);
    const int flags = quint8(header[5]);
    const qint64 tagSize = SynchsafeSize(QByteArrayView(header).sliced(6, 4));

    qint64 pos = 10;
    if (version >= 3 && (flags & 0x40)) {
        if (version == 3)
            pos += 4 + qint64(source.BigEndian32(10));
        else
            pos += SynchsafeSize(source.Read(10, 4));
    }

    const bool v22 = version < 3;
    const qint64 frameHeader = v22 ? 6 : 10;
    while (v22 ? pos <= tagSize - 1 : pos < tagSize - 1) {
        const QByteArray h = source.Read(pos, frameHeader).toByteArray();
        if (h.size() < frameHeader)
            break;
        const QString id = TrimTagText(QString::fromLatin1(QByteArrayView(h).first(v22 ? 3 : 4)));
        if (id.isEmpty())
            break;
        qint64 size;
        if (v22)
            size = (qint64(quint8(h[3])) << 16) | (quint8(h[4]) << 8) | quint8(h[5]);
        else if (version >= 4)
            size = SynchsafeSize(QByteArrayView(h).sliced(4, 4));
        else
            size = qint32(qFromBigEndian<quint32>(h.constData() + 4)); // sizes from 2 GiB on end the walk
        if (size - 1 < 1)
            break;
        if (size - 1 <= MaxLyricsFrame && id == (v22 ? u"ULT"_s : u"USLT"_s)) {
            const int encoding = source.Byte(pos + frameHeader);
            const QByteArray body = source.Read(pos + frameHeader + 1, size - 1).toByteArray();
            FLyrics = LyricsText(encoding, body);
        }
        pos += frameHeader + size;
    }
}
