// Fuzz target: the lyrics loader on arbitrary bytes, and the lyrics text decoder on a frame body.
#include "tags/mpegextloader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    TMPEGExtLoader loader;
    loader.LoadFromData(bytes);
    if (!bytes.isEmpty())
        TMPEGExtLoader::LyricsText(quint8(bytes[0]), bytes.sliced(1));
    return 0;
}
