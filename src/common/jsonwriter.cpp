#include "common/jsonwriter.h"

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
    if (FCounts.isEmpty())
        return;
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
    FOut += FCounts.last() == 0 ? "\n" : ",\n";
    ++FCounts.last();
    Indent(FCounts.size());
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
    FOut += QByteArray::number(number);
}

void TJsonWriter::Value(bool flag)
{
    BeforeValue();
    FOut += flag ? "true" : "false";
}

// UTF-8 with JSON's escapes; a lone surrogate, which has no UTF-8 form, becomes \uXXXX.
void TJsonWriter::String(QStringView text)
{
    FOut.reserve(FOut.size() + text.size() * 3 + 2);
    FOut += '"';
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    while (p < end) {
        const char16_t u = *p++;
        if (u < 0x80) {
            if (u >= 0x20 && u != '"' && u != '\\') {
                FOut += char(u);
                continue;
            }
            FOut += '\\';
            switch (u) {
            case '"': FOut += '"'; break;
            case '\\': FOut += '\\'; break;
            case '\b': FOut += 'b'; break;
            case '\f': FOut += 'f'; break;
            case '\n': FOut += 'n'; break;
            case '\r': FOut += 'r'; break;
            case '\t': FOut += 't'; break;
            default:
                FOut += "u00";
                FOut += HexDigit(u >> 4);
                FOut += HexDigit(u & 0xf);
            }
        } else if (u < 0x800) {
            FOut += char(0xc0 | (u >> 6));
            FOut += char(0x80 | (u & 0x3f));
        } else if (u >= 0xd800 && u < 0xdc00 && p < end && *p >= 0xdc00 && *p < 0xe000) {
            const char32_t c = 0x10000 + ((char32_t(u) - 0xd800) << 10) + (char32_t(*p++) - 0xdc00);
            FOut += char(0xf0 | (c >> 18));
            FOut += char(0x80 | ((c >> 12) & 0x3f));
            FOut += char(0x80 | ((c >> 6) & 0x3f));
            FOut += char(0x80 | (c & 0x3f));
        } else if (u >= 0xd800 && u < 0xe000) {
            FOut += "\\u";
            FOut += HexDigit(u >> 12);
            FOut += HexDigit((u >> 8) & 0xf);
            FOut += HexDigit((u >> 4) & 0xf);
            FOut += HexDigit(u & 0xf);
        } else {
            FOut += char(0xe0 | (u >> 12));
            FOut += char(0x80 | ((u >> 6) & 0x3f));
            FOut += char(0x80 | (u & 0x3f));
        }
    }
    FOut += '"';
}
