#include "platform/regularfile.h"

#include "platform/system.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

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

bool ReadRegularFile(const QString &path, QByteArray &bytes, QString *why)
{
    QFile file;
    if (!OpenRegularFile(file, path, why))
        return false;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (why)
            *why = file.errorString();
        return false;
    }
    return true;
}
