#include "platform/mountwatcher.h"

#include <QFile>
#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

TMountWatcher::TMountWatcher(QObject *parent, const QString &mountTable) : QObject(parent)
{
#ifdef Q_OS_LINUX
    const QString table = mountTable.isEmpty() ? u"/proc/self/mountinfo"_s : mountTable;
    FFd = ::open(QFile::encodeName(table).constData(), O_RDONLY | O_CLOEXEC);
    if (FFd < 0)
        return;
    // The kernel marks the mount table exceptional (POLLPRI) on every mount and unmount; reading it
    // to the end re-arms the mark.
    TableSignalled();
    FNotifier = new QSocketNotifier(FFd, QSocketNotifier::Exception, this);
    connect(FNotifier, &QSocketNotifier::activated, this, [this] {
        TableSignalled();
        emit MountsChanged();
    });
#else
    Q_UNUSED(mountTable);
#endif
}

TMountWatcher::~TMountWatcher()
{
#ifdef Q_OS_LINUX
    delete FNotifier;
    if (FFd >= 0)
        ::close(FFd);
#endif
}

void TMountWatcher::TableSignalled()
{
#ifdef Q_OS_LINUX
    char buffer[4096];
    ::lseek(FFd, 0, SEEK_SET);
    while (::read(FFd, buffer, sizeof buffer) > 0) {
    }
#endif
}
