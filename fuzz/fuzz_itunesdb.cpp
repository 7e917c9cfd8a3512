// Feeds arbitrary bytes to the song database reader.
#include "music/itunesdbloader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TITunesDBLoader loader;
    try {
        loader.LoadFromStream(QByteArrayView(data, qsizetype(size)));
    } catch (const TITBException &) {
    }
    for (int i = 0; i < loader.FSongs.Count(); ++i)
        (void)loader.FSongs.Items(i).Title().size();
    return 0;
}
