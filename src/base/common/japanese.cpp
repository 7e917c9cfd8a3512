#include "common/japanese.h"

#include <unicode/ucnv.h>

#include <memory>
#include <stdexcept>

namespace {

struct TConverterCloser
{
    void operator()(UConverter *c) const { ucnv_close(c); }
};
using TConverter = std::unique_ptr<UConverter, TConverterCloser>;

// ICU's "windows-31j" is code page 932 as Windows has it. One converter per thread, reset per call.
UConverter *Cp932()
{
    thread_local TConverter converter = [] {
        UErrorCode error = U_ZERO_ERROR;
        TConverter c(ucnv_open("windows-31j", &error));
        if (U_FAILURE(error) || !c)
            throw std::runtime_error("ICU has no windows-31j converter");
        // A single "?" for characters the code page lacks, never a two-byte substitute.
        ucnv_setSubstChars(c.get(), "?", 1, &error);
        return c;
    }();
    ucnv_reset(converter.get());
    return converter.get();
}

} // namespace

QString ShiftJisToUnicode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    UConverter *c = Cp932();
    QString out(bytes.size() + 1, Qt::Uninitialized);
    UErrorCode error = U_ZERO_ERROR;
    const int32_t n = ucnv_toUChars(c, reinterpret_cast<UChar *>(out.data()), int32_t(out.size()),
                                    bytes.data(), int32_t(bytes.size()), &error);
    if (U_FAILURE(error))
        return {};
    out.truncate(n);
    return out;
}

QByteArray UnicodeToShiftJis(QStringView text)
{
    if (text.isEmpty())
        return {};
    UConverter *c = Cp932();
    QByteArray out(text.size() * 2 + 1, Qt::Uninitialized);
    UErrorCode error = U_ZERO_ERROR;
    const int32_t n =
        ucnv_fromUChars(c, out.data(), int32_t(out.size()), reinterpret_cast<const UChar *>(text.data()),
                        int32_t(text.size()), &error);
    if (U_FAILURE(error))
        return {};
    out.truncate(n);
    return out;
}

QByteArray UnicodeToShiftJis(QStringView text, int *replaced)
{
    const QByteArray out = UnicodeToShiftJis(text);
    if (replaced)
        *replaced = int(out.count('?') - text.count(u'?'));
    return out;
}

QStringList ShiftJisMissingCharacters(QStringView text)
{
    QStringList missing;
    int replaced = 0;
    UnicodeToShiftJis(text, &replaced);
    if (replaced <= 0)
        return missing;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the BMP is a surrogate pair: one character, converted whole.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = text.sliced(i, length);
        i += length - 1;
        if (character == u"?" || UnicodeToShiftJis(character) != "?")
            continue;
        if (!missing.contains(character))
            missing.append(character.toString());
    }
    return missing;
}

int DetectJapaneseEncoding(QByteArrayView text)
{
    const qsizetype count = qMin<qsizetype>(text.size(), 32768);
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(text[i]); };
    int result = 2;
    // Positions from the first byte while below the count, so the last examined byte is count - 2.
    qsizetype i = 0;
    while (i < count - 1) {
        const unsigned char b = at(i);
        if (b == 27 && i + 2 < text.size() &&
            ((at(i + 1) == '$' && at(i + 2) == 'B') || (at(i + 1) == '(' && at(i + 2) == 'B')))
            return 1;
        if (b >= 0x80 && b <= 0xA0) {
            result = 0;
            i += 2;
            continue;
        }
        ++i;
    }
    return result;
}

void JisPairToShiftJis(unsigned char j1, unsigned char j2, char out[2])
{
    const unsigned s1 = ((j1 + 1u) >> 1) + (j1 <= 0x5E ? 0x70u : 0xB0u);
    unsigned s2;
    if (j1 & 1)
        s2 = j2 + (j2 < 0x60 ? 0x1Fu : 0x20u);
    else
        s2 = j2 + 0x7Eu;
    out[0] = char(s1 & 0xFF);
    out[1] = char(s2 & 0xFF);
}

QByteArray JisToShiftJis(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(text[i]); };
    bool twoByte = false;
    qsizetype i = 0;
    while (i < text.size()) {
        const unsigned char b = at(i);
        if (b == 27 && i + 2 < text.size()) {
            if (at(i + 1) == '$' && at(i + 2) == 'B') {
                twoByte = true;
                i += 3;
                continue;
            }
            if (at(i + 1) == '(' && at(i + 2) == 'B') {
                twoByte = false;
                i += 3;
                continue;
            }
        }
        if (twoByte && b >= 0x21 && b <= 0x7E && i + 1 < text.size()) {
            char pair[2];
            JisPairToShiftJis(b, at(i + 1), pair);
            out.append(pair, 2);
            i += 2;
            continue;
        }
        out.append(char(b));
        ++i;
    }
    return out;
}

QByteArray EucToShiftJis(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(text[i]); };
    qsizetype i = 0;
    while (i < text.size()) {
        const unsigned char b = at(i);
        // SS2 + byte is a half-width katakana, which is that same single byte in Shift-JIS.
        if (b == 0x8E && i + 1 < text.size() && at(i + 1) >= 0xA1 && at(i + 1) <= 0xDF) {
            out.append(char(at(i + 1)));
            i += 2;
            continue;
        }
        if (b <= 0xA0 || b == 0xFF || i + 1 >= text.size()) {
            out.append(char(b));
            ++i;
            continue;
        }
        char pair[2];
        JisPairToShiftJis(b & 0x7F, at(i + 1) & 0x7F, pair);
        out.append(pair, 2);
        i += 2;
    }
    return out;
}
