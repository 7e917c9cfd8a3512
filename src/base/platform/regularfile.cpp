#include "platform/regularfile.h"

#include "common/format.h"
#include "platform/system.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <new>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

#ifdef Q_OS_UNIX
namespace {

QString NotRegularText(mode_t mode)
{
    if (S_ISDIR(mode))
        return SystemErrorText(EISDIR);
    return QCoreApplication::translate("RegularFile", "通常のファイルではありません");
}

} // namespace

bool OpenRegularFile(QFile &file, const QString &path, QString *why)
{
    const QByteArray name = QFile::encodeName(path);
    int fd;
    // Without O_NONBLOCK opening a FIFO waits for a writer, for ever and through every signal.
    do
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (why)
            *why = SystemErrorText(errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        if (why)
            *why = SystemErrorText(errno);
        ::close(fd);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        if (why)
            *why = NotRegularText(st.st_mode);
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (why)
            *why = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}

bool IsRegularFile(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}
#else
bool OpenRegularFile(QFile &file, const QString &path, QString *why)
{
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = file.errorString();
        return false;
    }
    return true;
}

bool IsRegularFile(const QString &path)
{
    return QFileInfo(path).isFile();
}
#endif

QString FileTooLargeText(qint64 size, qint64 limit)
{
    // Whole megabytes, rounded up, so that a file just over the limit does not read as equal to it.
    const auto megabytes = [](qint64 bytes) { return FormatNumber(double((bytes + (1 << 20) - 1) >> 20)); };
    //: The file's size and the most that is read, in megabytes
    return Format(
        QCoreApplication::translate("RegularFile", "大きすぎます。%s MB あり、読み込めるのは %s MB までです"),
        {megabytes(size), megabytes(limit)});
}

bool ReadRegularFile(const QString &path, QByteArray &bytes, QString *why, qint64 limit)
{
    QFile file;
    if (!OpenRegularFile(file, path, why))
        return false;
    if (file.size() > limit) {
        if (why)
            *why = FileTooLargeText(file.size(), limit);
        return false;
    }
    try {
        bytes = file.readAll();
    } catch (const std::bad_alloc &) {
        bytes.clear();
        if (why)
            *why = QCoreApplication::translate("RegularFile", "メモリが足りません");
        return false;
    }
    // A file that grew while it was read is held to the same limit.
    if (bytes.size() > limit) {
        if (why)
            *why = FileTooLargeText(bytes.size(), limit);
        bytes.clear();
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        if (why)
            *why = file.errorString();
        return false;
    }
    return true;
}
