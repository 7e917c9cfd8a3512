// Fuzz target: the WMA tag reader on arbitrary bytes.
#include "tags/wmatagreader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TWMATagReader reader;
    reader.ReadFromData(QByteArrayView(data, qsizetype(size)));
    return 0;
}
