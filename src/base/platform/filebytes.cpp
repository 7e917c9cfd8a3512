#include "platform/filebytes.h"

#include <algorithm>

QByteArrayView TFileBytes::Fetch(qint64 start, qint64 len)
{
    if (start < 0 || start >= FFile.Size() || len <= 0)
        return {};
    len = std::min(len, FFile.Size() - start);
    if (start < FBufferPos || start + len > FBufferPos + FBuffer.size()) {
        const qint64 want = std::min(std::max(len, kPartSize), FFile.Size() - start);
        SetWindow({}, 0); // the buffer may move
        FBuffer.resize(want);
        FBuffer.truncate(std::max<qint64>(FFile.ReadAt(start, FBuffer.data(), want), 0));
        FBufferPos = start;
        SetWindow(FBuffer, FBufferPos);
    }
    return QByteArrayView(FBuffer)
        .sliced(start - FBufferPos)
        .first(std::min(len, FBufferPos + FBuffer.size() - start));
}
