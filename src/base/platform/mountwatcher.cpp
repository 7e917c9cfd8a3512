#include "platform/mountwatcher.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimer>

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

void TMountWatcher::WatchPlayer(const QString &root, const QString &marker, int checkMs)
{
    StopWatchingPlayer();
    if (root.isEmpty() || marker.isEmpty())
        return;
    FPlayerRoot = root;
    FPlayerMarker = marker;
    FPlayerMissing = false;
    FPlayerWatcher = new QFileSystemWatcher(this);
    // The root's parent sees the root renamed or removed; the root and the marker see the rest.
    const QString parent = QFileInfo(QFileInfo(root).absoluteFilePath()).absolutePath();
    for (const QString &path : {parent, root, marker})
        if (QFileInfo::exists(path))
            FPlayerWatcher->addPath(path);
    connect(FPlayerWatcher, &QFileSystemWatcher::directoryChanged, this, &TMountWatcher::PlayerPathChanged);
    connect(FPlayerWatcher, &QFileSystemWatcher::fileChanged, this, &TMountWatcher::PlayerPathChanged);
    FPlayerTimer = new QTimer(this);
    connect(FPlayerTimer, &QTimer::timeout, this, &TMountWatcher::CheckPlayer);
    FPlayerTimer->start(checkMs);
}

void TMountWatcher::StopWatchingPlayer()
{
    // Stopping may happen inside one of their own signals (the player went away): delete them later.
    if (FPlayerWatcher) {
        FPlayerWatcher->disconnect(this);
        FPlayerWatcher->deleteLater();
        FPlayerWatcher = nullptr;
    }
    if (FPlayerTimer) {
        FPlayerTimer->stop();
        FPlayerTimer->deleteLater();
        FPlayerTimer = nullptr;
    }
    FPlayerRoot.clear();
    FPlayerMarker.clear();
}

void TMountWatcher::PlayerPathChanged()
{
    // A marker replaced by a new file drops out of the watcher: watch it again where it now stands.
    if (FPlayerWatcher && !FPlayerWatcher->files().contains(FPlayerMarker) && QFileInfo::exists(FPlayerMarker))
        FPlayerWatcher->addPath(FPlayerMarker);
    CheckPlayer();
}

void TMountWatcher::CheckPlayer()
{
    // One stat a second; reported once when the player goes, again only after it was back.
    const bool missing = !QFileInfo::exists(FPlayerMarker);
    if (missing && !FPlayerMissing) {
        FPlayerMissing = true;
        emit MountsChanged();
    } else if (!missing) {
        FPlayerMissing = false;
    }
}
