#include "platform/readonlyfile.h"
#include "platform/system.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

TReadOnlyFile::TReadOnlyFile() = default;

TReadOnlyFile::~TReadOnlyFile()
{
#ifdef Q_OS_UNIX
    if (FHandle >= 0)
        ::close(FHandle);
#endif
}

#ifdef Q_OS_UNIX
bool TReadOnlyFile::Open(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    int handle;
    do
        handle = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    while (handle < 0 && errno == EINTR);
    if (handle < 0) {
        FError = SystemErrorText(errno);
        return false;
    }
    struct stat st;
    // A FIFO or device standing where a file should be is refused rather than waited on.
    const int error = ::fstat(handle, &st) != 0 ? errno
                      : S_ISDIR(st.st_mode)     ? EISDIR
                      : !S_ISREG(st.st_mode)    ? EINVAL
                                                : 0;
    if (error != 0) {
        FError = SystemErrorText(error);
        ::close(handle);
        return false;
    }
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    FHandle = handle;
    FSize = st.st_size;
    return true;
}

qint64 TReadOnlyFile::ReadAt(qint64 pos, char *data, qint64 len)
{
    qint64 got = 0;
    while (got < len) {
        const ssize_t n = ::pread(FHandle, data + got, size_t(len - got), off_t(pos + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return got > 0 ? got : -1;
        if (n == 0)
            break;
        got += n;
    }
    return got;
}
#else
bool TReadOnlyFile::Open(const QString &path)
{
    FFile = std::make_unique<QFile>(path);
    if (!FFile->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        FError = FFile->errorString();
        FFile.reset();
        return false;
    }
    FSize = FFile->size();
    return true;
}

qint64 TReadOnlyFile::ReadAt(qint64 pos, char *data, qint64 len)
{
    if (!FFile->seek(pos))
        return -1;
    qint64 got = 0;
    while (got < len) {
        const qint64 n = FFile->read(data + got, len - got);
        if (n < 0)
            return got > 0 ? got : -1;
        if (n == 0)
            break;
        got += n;
    }
    return got;
}
#endif
