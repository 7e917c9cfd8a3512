// Feeds the song database reader compressed databases: the input either as the zlib stream itself
// (damaged streams) or deflated first (arbitrary sections behind the decompression).
#include "music/itunesdbloader.h"

#include <QByteArray>
#include <QtEndian>

#include <zlib.h>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray CompressedHeader()
{
    QByteArray header(0xBC, '\0');
    header.replace(0, 4, "mhbd");
    qToLittleEndian<quint32>(0xBC, header.data() + 4);
    qToLittleEndian<quint16>(1, header.data() + 0xA8);
    return header;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArrayView input(data + 1, qsizetype(size - 1));
    QByteArray file = CompressedHeader();
    if (data[0] & 1) {
        file += input;
    } else {
        uLongf packedSize = compressBound(uLong(input.size()));
        QByteArray packed(qsizetype(packedSize), Qt::Uninitialized);
        if (compress2(reinterpret_cast<Bytef *>(packed.data()), &packedSize,
                      reinterpret_cast<const Bytef *>(input.data()), uLong(input.size()), 1) != Z_OK)
            return 0;
        file += packed.first(qsizetype(packedSize));
    }
    TITunesDBLoader loader;
    loader.FMaxInflatedBytes = 64 << 20; // keeps each run small; the bound itself is what is tested
    try {
        loader.LoadFromStream(file);
    } catch (const TITBException &) {
    }
    for (int i = 0; i < loader.FSongs.Count(); ++i)
        (void)loader.FSongs.Items(i).Title().size();
    return 0;
}
