#include "common/jsonwriter.h"

#include <algorithm>
#include <charconv>

namespace {
char HexDigit(uint v)
{
    return char(v < 10 ? '0' + v : 'a' + v - 10);
}
} // namespace

void TJsonWriter::Indent(qsizetype level)
{
    FOut.append(level * 4, ' ');
}

// A value inside an array starts on its own line; after a key it follows the key.
void TJsonWriter::BeforeValue()
{
    if (FAfterKey) {
        FAfterKey = false;
        return;
    }
    if (!FCounts.isEmpty())
        NewMember();
}

// The next member of the open container starts a line of its own, after a comma but for the first.
void TJsonWriter::NewMember()
{
    FOut += FCounts.last() == 0 ? "\n" : ",\n";
    ++FCounts.last();
    Indent(FCounts.size());
}

void TJsonWriter::Open(char bracket)
{
    BeforeValue();
    FOut += bracket;
    FCounts.append(0);
}

void TJsonWriter::Close(char bracket)
{
    FCounts.removeLast();
    FOut += '\n';
    Indent(FCounts.size());
    FOut += bracket;
    if (FCounts.isEmpty())
        FOut += '\n';
}

void TJsonWriter::BeginArray()
{
    Open('[');
}

void TJsonWriter::EndArray()
{
    Close(']');
}

void TJsonWriter::BeginObject()
{
    Open('{');
}

void TJsonWriter::EndObject()
{
    Close('}');
}

void TJsonWriter::Key(QStringView key)
{
    NewMember();
    String(key);
    FOut += ": ";
    FAfterKey = true;
}

void TJsonWriter::Value(QStringView text)
{
    BeforeValue();
    String(text);
}

void TJsonWriter::Value(qint64 number)
{
    BeforeValue();
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    FOut.append(digits, result.ptr - digits);
}

void TJsonWriter::Value(bool flag)
{
    BeforeValue();
    FOut += flag ? "true" : "false";
}

// UTF-8 with JSON's escapes; a lone surrogate, which has no UTF-8 form, becomes \uXXXX. Written
// through a pointer into room made beforehand (six bytes a code unit at most): appending byte by
// byte cost more than reading the files of a scan.
void TJsonWriter::String(QStringView text)
{
    const qsizetype start = FOut.size();
    const qsizetype most = start + text.size() * 6 + 2;
    if (FOut.capacity() < most)
        FOut.reserve(std::max(most, FOut.capacity() * 2));
    FOut.resize(most);
    char *out = FOut.data() + start;
    const auto hex4 = [&out](char16_t u) {
        *out++ = '\\';
        *out++ = 'u';
        *out++ = HexDigit(u >> 12);
        *out++ = HexDigit((u >> 8) & 0xf);
        *out++ = HexDigit((u >> 4) & 0xf);
        *out++ = HexDigit(u & 0xf);
    };
    *out++ = '"';
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    while (p < end) {
        const char16_t u = *p++;
        if (u < 0x80) {
            if (u >= 0x20 && u != '"' && u != '\\') {
                *out++ = char(u);
                continue;
            }
            switch (u) {
            case '"': *out++ = '\\'; *out++ = '"'; break;
            case '\\': *out++ = '\\'; *out++ = '\\'; break;
            case '\b': *out++ = '\\'; *out++ = 'b'; break;
            case '\f': *out++ = '\\'; *out++ = 'f'; break;
            case '\n': *out++ = '\\'; *out++ = 'n'; break;
            case '\r': *out++ = '\\'; *out++ = 'r'; break;
            case '\t': *out++ = '\\'; *out++ = 't'; break;
            default: hex4(u);
            }
        } else if (u < 0x800) {
            *out++ = char(0xc0 | (u >> 6));
            *out++ = char(0x80 | (u & 0x3f));
        } else if (u >= 0xd800 && u < 0xdc00 && p < end && *p >= 0xdc00 && *p < 0xe000) {
            const char32_t c = 0x10000 + ((char32_t(u) - 0xd800) << 10) + (char32_t(*p++) - 0xdc00);
            *out++ = char(0xf0 | (c >> 18));
            *out++ = char(0x80 | ((c >> 12) & 0x3f));
            *out++ = char(0x80 | ((c >> 6) & 0x3f));
            *out++ = char(0x80 | (c & 0x3f));
        } else if (u >= 0xd800 && u < 0xe000) {
            hex4(u);
        } else {
            *out++ = char(0xe0 | (u >> 12));
            *out++ = char(0x80 | ((u >> 6) & 0x3f));
            *out++ = char(0x80 | (u & 0x3f));
        }
    }
    *out++ = '"';
    FOut.truncate(out - FOut.constData());
}
