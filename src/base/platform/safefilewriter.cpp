#include "platform/safefilewriter.h"

#include "common/format.h"
#include "common/sorvoerror.h"
#include "platform/filecopy.h"
#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

std::atomic<qint64> gFailAfter{-1};
volatile sig_atomic_t gStop = 0;

mode_t CurrentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

QString TemporaryFilePrefix()
{
    return u".sorvo-"_s;
}

bool IsTemporaryFileName(const QString &name)
{
    return name.startsWith(TemporaryFilePrefix());
}

bool IsReadOnlyFile(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    struct stat st;
    if (::stat(encoded.constData(), &st) != 0)
        return false;
    // The mode bits count too: the superuser may write anywhere, but the user's intent is the same.
    return ::access(encoded.constData(), W_OK) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

TSafeFileWriter::TSafeFileWriter(QString path, TCommitMode mode)
    : FPath(std::move(path)), FTarget(FPath), FMode(mode)
{}

TSafeFileWriter::~TSafeFileWriter()
{
    Discard();
}

void TSafeFileWriter::FailWritesAfter(qint64 bytes)
{
    gFailAfter.store(bytes);
}

bool TSafeFileWriter::Fail(int error)
{
    if (FError == 0)
        FError = error;
    Discard();
    return false;
}

QString FollowLinks(const QString &path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    // The kernel's own limit on links followed in one lookup.
    for (int hops = 0; hops < 40; ++hops) {
        const QByteArray encoded = QFile::encodeName(current);
        struct stat st;
        if (::lstat(encoded.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        QByteArray link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(encoded.constData(), link.data(), size_t(link.size()));
        if (n < 0 || n >= link.size())
            return {};
        link.truncate(n);
        const QString next = QFile::decodeName(link);
        current =
            QDir::cleanPath(QDir::isAbsolutePath(next) ? next : QFileInfo(current).path() + u'/' + next);
    }
    return {};
}

bool TSafeFileWriter::OpenDirect(const QByteArray &target)
{
    // Non-blocking: a FIFO nobody reads fails at once (ENXIO) instead of hanging the program.
    const int fd = ::open(target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Fail(errno);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    FFd = fd;
    FDirect = true;
    return true;
}

bool TSafeFileWriter::Open()
{
    Discard();
    FError = 0;
    FNotRegular = false;
    FDirect = false;
    FReplacing = false;
    const QByteArray encoded = QFile::encodeName(FPath);
    if (FMode == cmNoReplace) {
        struct stat st;
        if (::lstat(encoded.constData(), &st) == 0)
            return Fail(EEXIST);
    }
    struct stat through;
    // The kernel's own lookup, for /dev/stdout and the like whose links name no real path.
    if (FMode == cmReplace && ::stat(encoded.constData(), &through) == 0 &&
        (S_ISCHR(through.st_mode) || S_ISFIFO(through.st_mode)))
        return OpenDirect(encoded);
    // A link is written through: the link stays and its target gets the bytes.
    FTarget = FollowLinks(FPath);
    if (FTarget.isEmpty())
        return Fail(ELOOP);
    const QByteArray target = QFile::encodeName(FTarget);
    struct stat old;
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && FMode == cmReplace) {
        if (S_ISDIR(old.st_mode))
            return Fail(EISDIR);
        if (!S_ISREG(old.st_mode)) {
            FNotRegular = true;
            return Fail(EINVAL);
        }
        // A file the user made read-only is not replaced behind their back.
        if (IsReadOnlyFile(FTarget))
            return Fail(EACCES);
    }
    // A short name: the temporary must fit where the final name fits, also on FAT.
    QByteArray pattern = QFile::encodeName(QFileInfo(FTarget).absolutePath()) + "/.sorvo-XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return Fail(errno);
    FFd = fd;
    FTemp = pattern;
    FReplacing = FMode == cmReplace && exists;
    const mode_t mode = FReplacing ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
    ::fchmod(FFd, mode);
    return true;
}

bool TSafeFileWriter::Write(QByteArrayView data)
{
    if (FFd < 0)
        return Fail(EBADF);
    const char *p = data.data();
    qsizetype left = data.size();
    while (left > 0) {
        qsizetype chunk = left;
        const qint64 allowed = gFailAfter.load();
        if (allowed >= 0) {
            if (allowed == 0)
                return Fail(ENOSPC);
            chunk = qMin<qint64>(chunk, allowed);
            gFailAfter.store(allowed - chunk);
        }
        const ssize_t n = ::write(FFd, p, size_t(chunk));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Fail(errno);
        }
        p += n;
        left -= n;
    }
    return true;
}

bool TSafeFileWriter::Commit()
{
    if (FFd < 0)
        return Fail(FError ? FError : EBADF);
    if (FDirect) {
        const int fd = FFd;
        FFd = -1;
        return ::close(fd) == 0 || Fail(errno);
    }
    // An old file is only swapped for one already on the disk; a new file spares the flush.
    if (FReplacing && ::fsync(FFd) != 0 && errno != EINVAL && errno != EROFS)
        return Fail(errno);
    const int fd = FFd;
    FFd = -1;
    if (::close(fd) != 0)
        return Fail(errno);
    const QByteArray target = QFile::encodeName(FTarget);
    if (FMode == cmNoReplace) {
        const int error = RenameNoReplace(FTemp.constData(), target.constData());
        if (error != 0)
            return Fail(error);
    } else {
        // Whatever came to stand under the name meanwhile is replaced only when it is a regular file.
        struct stat st;
        if (::lstat(target.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
            FNotRegular = !S_ISDIR(st.st_mode);
            return Fail(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        }
        if (::rename(FTemp.constData(), target.constData()) != 0)
            return Fail(errno);
    }
    FTemp.clear();
    return true;
}

void TSafeFileWriter::Discard()
{
    if (FFd >= 0) {
        // A device or FIFO has taken what was written: nothing to undo.
        ::close(FFd);
        FFd = -1;
    }
    if (!FTemp.isEmpty()) {
        ::unlink(FTemp.constData());
        FTemp.clear();
    }
}

QString TSafeFileWriter::ErrorString() const
{
    if (FNotRegular)
        return QCoreApplication::translate("SafeFileWriter", "通常のファイルではありません");
    return FError ? SystemErrorText(FError) : QString();
}

bool SaveFileSafely(const QString &path, QByteArrayView data, QString *error,
                    TSafeFileWriter::TCommitMode mode)
{
    TSafeFileWriter writer(path, mode);
    if (writer.Open() && writer.Write(data) && writer.Commit())
        return true;
    if (error)
        *error = writer.ErrorString();
    return false;
}

void SaveFileOrThrow(const QString &path, QByteArrayView data)
{
    QString error;
    if (!SaveFileSafely(path, data, &error))
        throw ESorvoError(
            Format(QCoreApplication::translate("SafeFileWriter", "ファイル %s を作成できません。%s"),
                   {QDir::toNativeSeparators(path), error}));
}

void RequestStop()
{
    gStop = 1;
}

bool StopRequested()
{
    return gStop != 0;
}

void ResetStopRequest()
{
    gStop = 0;
}
