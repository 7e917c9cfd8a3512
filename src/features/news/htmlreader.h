#pragma once

#include "common/kirustringlist.h"
#include "news/tokenreader.h"

#include <QString>
#include <QStringList>

/// Turns one downloaded feed or web page into Shift-JIS note lines, after working out its encoding.
class THTMLReader : public TTokenReader
{
public:
    enum : quint8
    {
        DocPage = 0,
        DocFeed = 1,
        DocUnknown = 2
    };

    /// Reads, detects and decodes the file; raises ESorvoError when it cannot be read.
    void LoadFromFile(const QString &path);
    /// Detects and decodes bytes as LoadFromFile does; the encoding-aware loads start from these bytes.
    void LoadFromBytes(const QByteArray &bytes);
    /// Fills FLines: feed conversion, page conversion, or nothing for an unknown document.
    void Convert();

    /// The encoding code of an XML declaration (1 UTF-8, 2 EUC-JP, 3 JIS, 4 Shift-JIS, 0 other).
    static int XmlEncodingCode(const QString &name);
    /// The encoding code of a meta charset; a shorter list than the XML one.
    static int MetaEncodingCode(const QString &name);

    quint8 FDocKind = DocUnknown;
    QString FText; // the whole document after decoding
    bool FAddLink = false;
    bool FAddDate = false;
    TKiruStringList FLines;
    int FEncodingCode = 0; // what the detection pass found
    /// Characters of the document that became "?" on the way into Shift-JIS, each once, in order.
    QStringList FLostCharacters;

private:
    /// Text into Shift-JIS; the characters it cannot hold are added to FLostCharacters.
    QByteArray Encode(const QString &text);
    void Detect();
    void ConvertFeed();
    void ConvertPage();
};
