#pragma once

#include "common/sorvoerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <memory>

class TReadOnlyFile;

/// A file that cannot be opened for reading; carries the system's reason.
class ETagFileOpenError : public ESorvoError
{
public:
    using ESorvoError::ESorvoError;
};

/// Random access to the bytes of an audio file or of a buffer; reads past the end give fewer bytes.
class TTagSource
{
    Q_DECLARE_TR_FUNCTIONS(TTagSource)

public:
    /// Reads from memory; the bytes must outlive the source.
    explicit TTagSource(QByteArrayView data);
    /// Opens a file for reading; throws ETagFileOpenError when it cannot be opened.
    explicit TTagSource(const QString &path);
    ~TTagSource();
    TTagSource(const TTagSource &) = delete;
    TTagSource &operator=(const TTagSource &) = delete;

    qint64 Size() const { return FSize; }
    /// Up to len bytes from pos; fewer at the end of the data, none before 0 or past the end.
    /// The view stays valid until the next call.
    QByteArrayView Read(qint64 pos, qint64 len);
    /// Like Read, but when the bytes at pos are already at hand gives those (perhaps fewer than len)
    /// instead of reading again: for scans that go on with the next part anyway.
    QByteArrayView ReadAvailable(qint64 pos, qint64 len);
    /// The byte at pos, 0 outside the data.
    quint8 Byte(qint64 pos);
    quint32 BigEndian32(qint64 pos);
    quint64 BigEndian64(qint64 pos);
    quint16 LittleEndian16(qint64 pos);
    quint64 LittleEndian64(qint64 pos);

private:
    QByteArrayView FData;  // memory source, or the current window of the file
    qint64 FWindowPos = 0; // file offset of FData's first byte
    qint64 FSize = 0;
    std::unique_ptr<TReadOnlyFile> FFile; // empty for a memory source
    QByteArray FBuffer;                   // holds the window of a file source
};
