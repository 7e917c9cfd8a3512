#pragma once

#include <QByteArray>
#include <QByteArrayView>

/// Cuts Shift-JIS text into tags and text runs at "<" and ">"; forgiving, not a conforming parser.
class TTokenReader
{
public:
    enum : quint8
    {
        KindEnd = 0,
        KindOpenTag = 1,
        KindCloseTag = 2,
        KindText = 3
    };

    virtual ~TTokenReader() = default;

    /// Stores the text and starts reading at its beginning.
    void SetText(const QByteArray &text);
    /// Reads the next token into FTokenKind and FToken; text runs of blanks only are skipped.
    void Next();
    /// The name part of a tag token: "<p class=x>" gives "p", "<br/>" gives "br/", text gives "".
    static QByteArray TagName(QByteArrayView token);
    /// TagName trimmed and lower-cased, as the readers compare it.
    static QByteArray LowerTagName(QByteArrayView token);

    QByteArray FSource;
    qsizetype FPos = 0;
    quint8 FTokenKind = KindEnd;
    QByteArray FToken; // tags from "<" to ">" inclusive; text runs raw, line breaks included
};

/// Removes the blanks and control characters (bytes up to 0x20) at both ends.
QByteArray TrimBlanks(QByteArrayView text);
