#include "platform/filecopy.h"

#include "platform/safefilewriter.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class TFd
{
public:
    explicit TFd(int fd) : FFd(fd) {}
    ~TFd()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    TFd(const TFd &) = delete;
    TFd &operator=(const TFd &) = delete;
    int Get() const { return FFd; }
    int Release()
    {
        const int fd = FFd;
        FFd = -1;
        return fd;
    }

private:
    int FFd;
};

// Copies the rest of `in` to `out`: in-kernel when the file systems allow it, else through a buffer.
int CopyData(int in, int out)
{
    bool inKernel = true;
    std::unique_ptr<char[]> buffer;
    constexpr size_t kBufferSize = 1 << 20;
    for (;;) {
        if (StopRequested())
            return ECANCELED;
        if (inKernel) {
            // Chunks small enough that a stop request is seen within a moment.
            const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size_t(16) << 20, 0);
            if (n > 0)
                continue;
            if (n == 0)
                return 0;
            if (errno == EINTR)
                continue;
            if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP ||
                errno == EPERM) {
                inKernel = false;
                continue;
            }
            return errno;
        }
        if (!buffer)
            buffer.reset(new char[kBufferSize]);
        const ssize_t n = ::read(in, buffer.get(), kBufferSize);
        if (n == 0)
            return 0;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        ssize_t written = 0;
        while (written < n) {
            const ssize_t w = ::write(out, buffer.get() + written, size_t(n - written));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            written += w;
        }
    }
}

} // namespace

// Puts `from` in place as `to` unless `to` exists. The hard link is atomic where the file system has
// links; FAT has none, and there the check and the rename are as close together as they can be.
int RenameNoReplace(const char *from, const char *to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
#endif
    if (::link(from, to) == 0) {
        ::unlink(from);
        return 0;
    }
    if (errno == EEXIST)
        return EEXIST;
    struct stat st;
    if (::lstat(to, &st) == 0)
        return EEXIST;
    return ::rename(from, to) == 0 ? 0 : errno;
}

int RenameNoReplace(const QString &from, const QString &to)
{
    return RenameNoReplace(QFile::encodeName(from).constData(), QFile::encodeName(to).constData());
}

bool PathTaken(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

int CopyFileNoOverwrite(const QString &from, const QString &to)
{
    // Non-blocking open so that a FIFO or device standing where a song should be never stalls the copy.
    TFd in(::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (in.Get() < 0)
        return errno;
    struct stat st;
    if (::fstat(in.Get(), &st) != 0)
        return errno;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    if (!S_ISREG(st.st_mode))
        return EINVAL;
    ::fcntl(in.Get(), F_SETFL, ::fcntl(in.Get(), F_GETFL) & ~O_NONBLOCK);
    ::posix_fadvise(in.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    // Filled under a temporary name and put in place only when whole, so that neither a full disk nor a
    // stopped run ever leaves half a file under the final name.
    TSafeFileWriter out(to, TSafeFileWriter::cmNoReplace);
    if (!out.Open())
        return out.Error();
    const int error = CopyData(in.Get(), out.Handle());
    if (error != 0)
        return error;
    // The player's files may be read-only; the copy must be an ordinary file the user can change.
    struct stat copied;
    if (::fstat(out.Handle(), &copied) == 0 && (copied.st_mode & 0600) != 0600)
        ::fchmod(out.Handle(), (copied.st_mode & 07777) | 0600);
    return out.Commit() ? 0 : out.Error();
}
