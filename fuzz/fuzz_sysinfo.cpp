// Fuzz target: the player's SysInfo text and DeviceInfo records.
#include "device/sysinfo.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const TSysInfoFields fields = ParseSysInfo(bytes);
    (void)fields.modelNumber.mid(1, 4);
    (void)ParseDeviceInfo(bytes);
    return 0;
}
