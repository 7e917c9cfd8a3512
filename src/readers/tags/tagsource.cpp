#include "tags/tagsource.h"

#include "common/format.h"
#include "platform/readonlyfile.h"

#include <QtEndian>

#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace {
// Most tags and atom headers fit in one small read; larger values are read at their own size.
constexpr qint64 WindowSize = 4096;
} // namespace

TTagSource::TTagSource(QByteArrayView data) : FData(data), FSize(data.size()) {}

TTagSource::TTagSource(const QString &path) : FFile(std::make_unique<TReadOnlyFile>())
{
    if (!FFile->Open(path))
        throw ETagFileOpenError(Format(tr("ファイル %s を開けません。%s"), {path, FFile->ErrorString()}));
    FSize = FFile->Size();
}

TTagSource::~TTagSource() = default;

QByteArrayView TTagSource::Read(qint64 pos, qint64 len)
{
    if (pos < 0 || len <= 0 || pos >= FSize)
        return {};
    len = std::min(len, FSize - pos);
    if (!FFile)
        return FData.sliced(pos, len);
    if (pos >= FWindowPos && pos + len <= FWindowPos + FData.size())
        return FData.sliced(pos - FWindowPos, len);
    // Load a new window starting at pos, large enough for the request.
    const qint64 want = std::min(std::max(len, WindowSize), FSize - pos);
    FBuffer.resize(want);
    const qint64 got = std::max<qint64>(FFile->ReadAt(pos, FBuffer.data(), want), 0);
    FBuffer.truncate(got);
    FWindowPos = pos;
    FData = FBuffer;
    return FData.first(std::min(len, got));
}

QByteArrayView TTagSource::ReadAvailable(qint64 pos, qint64 len)
{
    if (FFile && len > 0 && pos >= FWindowPos && pos < FWindowPos + FData.size())
        return FData.sliced(pos - FWindowPos, std::min(len, FWindowPos + FData.size() - pos));
    return Read(pos, len);
}

quint8 TTagSource::Byte(qint64 pos)
{
    const QByteArrayView b = Read(pos, 1);
    return b.isEmpty() ? 0 : quint8(b[0]);
}

// Multi-byte reads fill missing bytes with zeros, so a truncated number reads as if padded.
static void ReadPadded(TTagSource &source, qint64 pos, char *out, int n)
{
    std::memset(out, 0, size_t(n));
    const QByteArrayView b = source.Read(pos, n);
    if (!b.isEmpty())
        std::memcpy(out, b.data(), size_t(b.size()));
}

quint32 TTagSource::BigEndian32(qint64 pos)
{
    char b[4];
    ReadPadded(*this, pos, b, 4);
    return qFromBigEndian<quint32>(b);
}

quint64 TTagSource::BigEndian64(qint64 pos)
{
    char b[8];
    ReadPadded(*this, pos, b, 8);
    return qFromBigEndian<quint64>(b);
}

quint16 TTagSource::LittleEndian16(qint64 pos)
{
    char b[2];
    ReadPadded(*this, pos, b, 2);
    return qFromLittleEndian<quint16>(b);
}

quint64 TTagSource::LittleEndian64(qint64 pos)
{
    char b[8];
    ReadPadded(*this, pos, b, 8);
    return qFromLittleEndian<quint64>(b);
}
