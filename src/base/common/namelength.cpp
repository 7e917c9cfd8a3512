#include "common/namelength.h"

#include <QList>

namespace {

// Bytes a code point takes in UTF-8.
int Utf8Length(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

} // namespace

int Utf8Length(QStringView text)
{
    int total = 0;
    for (char32_t c : text.toUcs4())
        total += Utf8Length(c);
    return total;
}

QString ExtensionOf(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QString() : fileName.mid(dot);
}

QString ShortenComponent(const QString &name, int maxBytes, bool keepExtension)
{
    if (Utf8Length(name) <= maxBytes)
        return name;
    QString extension = keepExtension ? ExtensionOf(name) : QString();
    int budget = maxBytes - Utf8Length(extension);
    if (extension.size() == name.size() || budget <= 0) {
        extension.clear();
        budget = maxBytes;
    }
    const QList<uint> codePoints = QStringView(name).left(name.size() - extension.size()).toUcs4();
    QString kept;
    int used = 0;
    for (uint c : codePoints) {
        const int length = Utf8Length(char32_t(c));
        if (used + length > budget)
            break;
        used += length;
        const char32_t point = c;
        kept += QString::fromUcs4(&point, 1);
    }
    return kept + extension;
}
