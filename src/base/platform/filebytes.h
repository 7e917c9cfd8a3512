#pragma once

#include "common/bytesource.h"
#include "platform/readonlyfile.h"

#include <QByteArray>

/// A file read a part at a time into one reused buffer. A reader walking a large database never
/// holds it whole: each page of a buffer that large is a fault of its own when first written, and
/// costs more than parsing it.
class TFileBytes : public TByteSource
{
public:
    /// Small enough that a part is still in the processor's cache when the walk reads it.
    static constexpr qint64 kPartSize = qint64(256) << 10;

    /// Opens path; false with ErrorString() when it cannot be opened or is a folder.
    bool Open(const QString &path) { return FFile.Open(path); }
    QString ErrorString() const { return FFile.ErrorString(); }

    qint64 Size() override { return FFile.Size(); }

protected:
    /// A read error ends the data where it happened, as if the file ended there.
    QByteArrayView Fetch(qint64 start, qint64 len) override;

private:
    TReadOnlyFile FFile;
    QByteArray FBuffer; // the file's bytes from FBufferPos on
    qint64 FBufferPos = 0;
};
