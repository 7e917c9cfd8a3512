#pragma once

#include <QByteArrayView>
#include <QtEndian>

#include <optional>

/// A chunk tag ("mhit") as the little-endian number its four bytes make: compared as one number.
constexpr quint32 TagCode(const char (&tag)[5])
{
    return quint32(quint8(tag[0])) | quint32(quint8(tag[1])) << 8 | quint32(quint8(tag[2])) << 16 |
           quint32(quint8(tag[3])) << 24;
}

/// Bounds-checked little- and big-endian reads from bytes in memory: a read that does not fit
/// returns nothing instead of touching memory outside the bytes.
class TByteSpan
{
public:
    explicit TByteSpan(QByteArrayView data) : FData(data) {}

    qint64 Size() const { return FData.size(); }
    /// True when `length` bytes from `offset` lie inside the data.
    bool Has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= FData.size() && length <= FData.size() - offset;
    }
    /// The bytes from `offset`, at most `length` of them (fewer at the end of the data).
    QByteArrayView Mid(qint64 offset, qint64 length) const
    {
        if (offset < 0 || offset >= FData.size() || length <= 0)
            return {};
        return FData.sliced(offset, qMin(length, FData.size() - offset));
    }
    std::optional<quint8> U8(qint64 offset) const
    {
        if (!Has(offset, 1))
            return std::nullopt;
        return quint8(FData[offset]);
    }
    template <typename T> std::optional<T> LE(qint64 offset) const
    {
        if (!Has(offset, qint64(sizeof(T))))
            return std::nullopt;
        return qFromLittleEndian<T>(FData.data() + offset);
    }
    template <typename T> std::optional<T> BE(qint64 offset) const
    {
        if (!Has(offset, qint64(sizeof(T))))
            return std::nullopt;
        return qFromBigEndian<T>(FData.data() + offset);
    }
    /// Four bytes as a chunk tag ("mhit"); empty when they do not fit.
    QByteArrayView Tag(qint64 offset) const
    {
        return Has(offset, 4) ? FData.sliced(offset, 4) : QByteArrayView();
    }

    /// Unchecked little-endian read: callers have checked the range with Has.
    template <typename T> T LEAt(qint64 offset) const { return qFromLittleEndian<T>(FData.data() + offset); }

private:
    QByteArrayView FData;
};
