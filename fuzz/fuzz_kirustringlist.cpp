// Fuzz target: text files of any encoding into Shift-JIS lines, and ruby removal on the result.
#include "common/kirustringlist.h"
#include "notes/memodivider.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    for (int code = tcAuto; code <= tcUTF8; ++code) {
        TKiruStringList list;
        list.LoadFromStreamEx(bytes, code);
        (void)list.TextLength();
    }
    TKiruMemoDivider divider;
    (void)divider.RemoveRuby(bytes.toByteArray());
    (void)IsWellFormedUtf8(bytes);
    return 0;
}
