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

bool IsReadOnlyFile(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    struct stat st;
    if (::stat(encoded.constData(), &st) != 0)
        return false;
    // The mode bits count too: the superuser may write anywhere, but the user's intent is the same.
    return ::access(encoded.constData(), W_OK) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

TSafeFileWriter::TSafeFileWriter(QString path, TCommitMode mode) : FPath(std::move(path)), FMode(mode) {}

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

bool TSafeFileWriter::Open()
{
    Discard();
    FError = 0;
    const QFileInfo target(FPath);
    const QByteArray encoded = QFile::encodeName(FPath);
    if (FMode == cmNoReplace) {
        struct stat st;
        if (::lstat(encoded.constData(), &st) == 0)
            return Fail(EEXIST);
    } else if (target.exists() && IsReadOnlyFile(FPath)) {
        // A file the user made read-only is not replaced behind their back.
        return Fail(EACCES);
    }
    // A short name: the temporary must fit where the final name fits, also on FAT.
    QByteArray pattern = QFile::encodeName(target.absolutePath()) + "/.sorvo-XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return Fail(errno);
    FFd = fd;
    FTemp = pattern;
    struct stat old;
    FReplacing = FMode == cmReplace && ::stat(encoded.constData(), &old) == 0;
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
    // An old file is only swapped for one already on the disk; a new file spares the flush.
    if (FReplacing && ::fsync(FFd) != 0 && errno != EINVAL && errno != EROFS)
        return Fail(errno);
    const int fd = FFd;
    FFd = -1;
    if (::close(fd) != 0)
        return Fail(errno);
    const QByteArray target = QFile::encodeName(FPath);
    if (FMode == cmNoReplace) {
        const int error = RenameNoReplace(FTemp.constData(), target.constData());
        if (error != 0)
            return Fail(error);
    } else if (::rename(FTemp.constData(), target.constData()) != 0) {
        return Fail(errno);
    }
    FTemp.clear();
    return true;
}

void TSafeFileWriter::Discard()
{
    if (FFd >= 0) {
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
