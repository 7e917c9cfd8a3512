// Fuzz target: the RSS/RDF feed reader over arbitrary Shift-JIS bytes.
#include "news/xmlreader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TXMLReader reader;
    reader.SetText(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    reader.Read();
    for (int i = 0; i <= reader.Count(); ++i)
        reader.Items(i);
    return 0;
}
