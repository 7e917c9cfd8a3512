// Decodes arbitrary thumbnail files: the first 16 bytes give the layout, the rest is the file.
#include "photos/artworkdbloader.h"

#include <QBuffer>
#include <QtEndian>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 16)
        return 0;
    TArtImageObject image;
    image.FOffset = qFromLittleEndian<quint16>(data);
    image.FSize = qFromLittleEndian<quint32>(data + 2);
    image.FWidth = qFromLittleEndian<qint16>(data + 6);
    image.FHeight = qFromLittleEndian<qint16>(data + 8);
    image.FDataWidth = qFromLittleEndian<qint16>(data + 10);
    image.FDataHeight = qFromLittleEndian<qint16>(data + 12);
    image.FCropNeeded = data[14] & 1;
    if (data[15] & 1)
        image.FSize = 77440; // reach the rotated form often
    const QByteArray file(reinterpret_cast<const char *>(data + 16), qsizetype(size - 16));
    image.FOnGetStream = [&file](const QString &) -> std::unique_ptr<QIODevice> {
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(file);
        buffer->open(QIODevice::ReadOnly);
        return buffer;
    };
    const QImage bitmap = image.Bitmap();
    if (!bitmap.isNull())
        (void)bitmap.pixel(bitmap.width() - 1, bitmap.height() - 1);
    return 0;
}
