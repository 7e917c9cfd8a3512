#include "news/tokenreader.h"

QByteArray TrimBlanks(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && quint8(text[begin]) <= 0x20)
        ++begin;
    while (end > begin && quint8(text[end - 1]) <= 0x20)
        --end;
    return text.sliced(begin, end - begin).toByteArray();
}

void TTokenReader::SetText(const QByteArray &text)
{
    FSource = text;
    FPos = 0;
    FTokenKind = KindEnd;
    FToken.clear();
}

void TTokenReader::Next()
{
    const qsizetype size = FSource.size();
    for (;;) {
        if (FPos >= size) {
            FTokenKind = KindEnd;
            FToken.clear();
            return;
        }
        if (FSource[FPos] == '<') {
            const bool closing = FPos + 1 < size && FSource[FPos + 1] == '/';
            const qsizetype close = FSource.indexOf('>', FPos + (closing ? 2 : 1));
            if (close < 0) {
                // An unfinished tag ends the text.
                FTokenKind = KindEnd;
                FToken.clear();
                FPos = size;
                return;
            }
            FTokenKind = closing ? KindCloseTag : KindOpenTag;
            FToken = FSource.mid(FPos, close - FPos + 1);
            FPos = close + 1;
            return;
        }
        qsizetype end = FSource.indexOf('<', FPos);
        if (end < 0)
            end = size;
        FTokenKind = KindText;
        FToken = FSource.mid(FPos, end - FPos);
        FPos = end;
        if (!TrimBlanks(FToken).isEmpty())
            return;
    }
}

QByteArray TTokenReader::TagName(QByteArrayView token)
{
    const QByteArray tag = TrimBlanks(token);
    if (tag.size() <= 2 || tag[0] != '<')
        return {};
    const qsizetype start = tag[1] == '/' ? 2 : 1;
    const qsizetype blank = tag.indexOf(' ');
    const qsizetype end = blank >= 0 ? blank : tag.size() - 1;
    if (end <= start)
        return {};
    return tag.mid(start, end - start);
}

QByteArray TTokenReader::LowerTagName(QByteArrayView token)
{
    return TrimBlanks(TagName(token)).toLower();
}
