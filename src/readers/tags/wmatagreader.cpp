#include "tags/wmatagreader.h"

#include "tags/tagsource.h"
#include "tags/tagtext.h"

namespace {

// ASF content description object identifier, as stored.
constexpr char ContentDescriptionId[16] = {'\x33', '\x26', '\xB2', '\x75', '\x8E', '\x66', '\xCF', '\x11',
                                           '\xA6', '\xD9', '\x00', '\xAA', '\x00', '\x62', '\xCE', '\x6C'};
// Header object: 16-byte identifier, 64-bit size, 32-bit object count, 2 reserved bytes.
constexpr qint64 HeaderObjectSize = 30;
// Child objects: 16-byte identifier and 64-bit size.
constexpr qint64 ObjectHeaderSize = 24;
// Strings longer than this are not taken.
constexpr int MaxStringBytes = 256;

} // namespace

void TWMATagReader::ReadFromFile(const QString &fileName)
{
    FTitle.clear();
    FAuthor.clear();
    FRights.clear();
    FDescription.clear();
    TTagSource source(fileName);
    ReadFromSource(source);
}

void TWMATagReader::ReadFromData(QByteArrayView data)
{
    TTagSource source(data);
    ReadFromSource(source);
}

void TWMATagReader::ReadFromSource(TTagSource &source)
{
    FTitle.clear();
    FAuthor.clear();
    FRights.clear();
    FDescription.clear();

    // Only the header object's children are searched; its stated size bounds them when it is sound.
    qint64 headerEnd = source.Size();
    const quint64 statedSize = source.LittleEndian64(16);
    if (statedSize >= quint64(HeaderObjectSize) && statedSize < quint64(headerEnd))
        headerEnd = qint64(statedSize);

    qint64 pos = HeaderObjectSize;
    qint64 found = -1;
    while (pos + ObjectHeaderSize <= headerEnd) {
        if (source.Read(pos, 16) == QByteArrayView(ContentDescriptionId, 16)) {
            found = pos;
            break;
        }
        const quint64 size = source.LittleEndian64(pos + 16);
        if (size < quint64(ObjectHeaderSize) || size > quint64(headerEnd - pos))
            break;
        pos += qint64(size);
    }
    if (found < 0)
        return;

    // Five 16-bit byte counts at +24 (title, author, rights, description, rating); strings from +34.
    QString *fields[4] = {&FTitle, &FAuthor, &FRights, &FDescription};
    qint64 stringPos = found + 34;
    for (int i = 0; i < 4; ++i) {
        const int length = source.LittleEndian16(found + 24 + 2 * i);
        if (length > 0 && length <= MaxStringBytes)
            *fields[i] = DecodeUtf16Units(source.Read(stringPos, length), false);
        stringPos += length;
    }
}
