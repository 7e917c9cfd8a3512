// Feeds arbitrary bytes to the Play Counts reader and applies what it read to a song list.
#include "music/playcounts.h"
#include "music/songdb.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TPlayCounts counts;
    counts.LoadFromBytes(QByteArrayView(data, qsizetype(size)));
    TITBSongList songs;
    for (int i = 0; i < 3; ++i)
        songs.AddNew(0);
    counts.ApplyTo(songs);
    return 0;
}
