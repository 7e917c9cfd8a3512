// Fuzz target: the page reader (detection, decoding, feed and page conversion) over arbitrary bytes.
#include "news/htmlreader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    THTMLReader reader;
    reader.FAddDate = size % 2 == 0;
    reader.FAddLink = size % 3 == 0;
    reader.LoadFromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    reader.Convert();
    return 0;
}
