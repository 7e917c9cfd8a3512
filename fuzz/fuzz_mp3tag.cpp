// Fuzz target: the MP3/MPEG-4/RIFF tag reader on arbitrary bytes.
#include "tags/kirump3tagreader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TMP3Tag tag;
    TKiruMP3TagReader().ReadFromData(QByteArrayView(data, qsizetype(size)), tag);
    return 0;
}
