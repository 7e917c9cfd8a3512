#include "artworkdbwriter.h"

#include "fixturefiles.h"

#include <QtEndian>

#include <cstring>

namespace {

void Put32(QByteArray &b, qsizetype at, quint32 v)
{
    qToLittleEndian(v, b.data() + at);
}
void Put16(QByteArray &b, qsizetype at, quint16 v)
{
    qToLittleEndian(v, b.data() + at);
}

QByteArray Chunk(const char *tag, quint32 headerLength, const QByteArray &children = {})
{
    QByteArray b(headerLength, '\0');
    std::memcpy(b.data(), tag, 4);
    Put32(b, 4, headerLength);
    Put32(b, 8, quint32(headerLength + children.size()));
    return b + children;
}

QByteArray Container(quint32 type, const TArtDBThumb &t, const QString &name)
{
    QByteArray nameChunk = t.withName ? TArtworkDBWriter::StringChunk(3, name) : QByteArray();
    QByteArray mhni = Chunk("mhni", 0x4C, nameChunk);
    Put32(mhni, 12, t.withName ? 1 : 0);
    Put32(mhni, 16, t.format);
    Put32(mhni, 20, t.offset);
    Put32(mhni, 24, t.size);
    Put16(mhni, 28, quint16(t.verticalPadding));
    Put16(mhni, 30, quint16(t.horizontalPadding));
    Put16(mhni, 32, t.height);
    Put16(mhni, 34, t.width);
    QByteArray mhod = Chunk("mhod", 0x18, mhni);
    Put32(mhod, 12, type);
    return mhod;
}

} // namespace

QByteArray TArtworkDBWriter::RawChunk(const char *tag, quint32 headerLength, quint32 totalLength)
{
    QByteArray b = Chunk(tag, qMax<quint32>(headerLength, 12));
    Put32(b, 4, headerLength);
    Put32(b, 8, totalLength);
    return b;
}

QByteArray TArtworkDBWriter::StringChunk(quint32 type, const QString &text, quint32 encoding)
{
    QByteArray bytes;
    if (encoding == 0 || encoding == 2) {
        bytes.resize(text.size() * 2);
        for (qsizetype i = 0; i < text.size(); ++i)
            Put16(bytes, i * 2, text.at(i).unicode());
    } else {
        bytes = text.toUtf8();
    }
    const qsizetype length = bytes.size();
    bytes.append(QByteArray((4 - length % 4) % 4, '\0')); // padded to whole words
    QByteArray b = Chunk("mhod", 0x18, QByteArray(12, '\0') + bytes);
    Put32(b, 12, type);
    Put32(b, 24, quint32(length));
    Put32(b, 28, encoding);
    return b;
}

QByteArray TArtworkDBWriter::PictureChunk(const TArtDBPicture &p)
{
    QByteArray children = p.leadingChildren;
    if (p.fullFile) {
        TArtDBThumb full;
        full.format = 1;
        children += Container(5, full, *p.fullFile);
    }
    for (const TArtDBThumb &t : p.thumbs)
        children += Container(2, t, t.fileName);
    children += p.extraChildren;
    QByteArray b = Chunk("mhii", 0x98, children);
    Put32(b, 12, quint32(p.thumbs.size() + (p.fullFile ? 1 : 0)));
    Put32(b, 16, p.imageId);
    qToLittleEndian(p.songId, b.data() + 20);
    if (p.totalLength)
        Put32(b, 8, *p.totalLength);
    return b;
}

QByteArray TArtworkDBWriter::AlbumChunk(const TArtDBAlbum &a)
{
    QByteArray entries;
    for (const quint32 id : a.imageIds) {
        QByteArray mhia = Chunk("mhia", 0x28);
        Put32(mhia, 16, id);
        entries += mhia;
    }
    const QByteArray name = StringChunk(1, a.name, a.nameEncoding);
    QByteArray b =
        Chunk("mhba", 0x94, (a.nameAfterEntries ? entries + name : name + entries) + a.extraChildren);
    Put32(b, 12, 1);
    Put32(b, 16, a.entryCount.value_or(quint32(a.imageIds.size())));
    b[30] = char(a.kind);
    return b;
}

QByteArray TArtworkDBWriter::ToBytes() const
{
    QByteArray sections;
    for (const quint32 type : FSections) {
        QByteArray list;
        if (type == 1) {
            list = Chunk("mhli", 0x5C);
            Put32(list, 8, FPictureCount.value_or(quint32(FPictures.size())));
            for (const TArtDBPicture &p : FPictures)
                list += PictureChunk(p);
        } else if (type == 2) {
            list = Chunk("mhla", 0x5C);
            Put32(list, 8, quint32(FAlbums.size()));
            for (const TArtDBAlbum &a : FAlbums)
                list += AlbumChunk(a);
        } else if (type == 3) {
            list = Chunk("mhlf", 0x5C);
            Put32(list, 8, 1);
            QByteArray file = Chunk("mhif", 0x7C);
            Put32(file, 16, 1009);
            Put32(file, 20, 2520);
            list += file;
        } else {
            list = Chunk("mhlx", 0x5C);
        }
        QByteArray section = Chunk("mhsd", 0x60, list);
        Put32(section, 12, type);
        sections += section;
    }
    QByteArray header = Chunk("mhfd", 0x84, sections);
    Put32(header, 16, 2);
    Put32(header, 20, quint32(FSections.size()));
    return header;
}

bool TArtworkDBWriter::WriteTo(const QString &path) const
{
    return WriteFixtureFile(path, ToBytes());
}

QByteArray EncodeRgb565(const QImage &picture, int dataWidth, bool bigEndian)
{
    QByteArray bytes(qsizetype(dataWidth) * picture.height() * 2, '\0');
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < dataWidth && x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            const quint16 v = quint16((qRed(c) >> 3) << 11 | (qGreen(c) >> 2) << 5 | (qBlue(c) >> 3));
            char *at = bytes.data() + (qsizetype(y) * dataWidth + x) * 2;
            if (bigEndian)
                qToBigEndian(v, at);
            else
                qToLittleEndian(v, at);
        }
    return bytes;
}

QImage PatternImage(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 8) & 0xFF, (y * 4) & 0xFF, ((x + y) * 8) & 0xFF));
    return picture;
}

QRgb Rgb565Rounded(QRgb colour)
{
    return qRgb(qRed(colour) & 0xF8, qGreen(colour) & 0xFC, qBlue(colour) & 0xF8);
}

quint32 TIthmbWriter::Append(const QByteArray &block)
{
    const quint32 offset = quint32(FData.size());
    FData += block;
    return offset;
}

bool TIthmbWriter::WriteTo(const QString &path) const
{
    return WriteFixtureFile(path, FData);
}
