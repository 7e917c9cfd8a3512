#pragma once

#include "common/bytespan.h"

#include <QByteArrayView>

/// The bytes of a file as a reader walks them, one record at a time, without holding them all.
class TByteSource
{
public:
    virtual ~TByteSource() = default;
    /// Up to len bytes from start, fewer only at the end of the data. The view stays valid until the
    /// next call. Sources that produce their bytes as they go (an inflated stream) give nothing for a
    /// start before an earlier call's start; the others read again.
    QByteArrayView At(qint64 start, qint64 len)
    {
        // Most records lie in the bytes at hand.
        if (start >= FWindowStart && len > 0 && start - FWindowStart <= FWindow.size() - len)
            return FWindow.sliced(start - FWindowStart, len);
        return Fetch(start, len);
    }
    /// The size of the whole data.
    virtual qint64 Size() = 0;

    /// At() as a span for checked reads.
    TByteSpan Span(qint64 start, qint64 len) { return TByteSpan(At(start, len)); }

protected:
    /// At() for what the bytes at hand do not hold whole.
    virtual QByteArrayView Fetch(qint64 start, qint64 len) = 0;
    /// The bytes at hand, which lie at `start` in the data; they must stay valid until the next Fetch.
    void SetWindow(QByteArrayView window, qint64 start)
    {
        FWindow = window;
        FWindowStart = start;
    }

private:
    QByteArrayView FWindow;
    qint64 FWindowStart = 0;
};

/// Bytes already in memory.
class TMemoryBytes : public TByteSource
{
public:
    explicit TMemoryBytes(QByteArrayView data) : FData(data) { SetWindow(data, 0); }
    qint64 Size() override { return FData.Size(); }

protected:
    QByteArrayView Fetch(qint64 start, qint64 len) override { return FData.Mid(start, len); }

private:
    TByteSpan FData;
};
