#include "platform/playerbounds.h"

#include "platform/safefilewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A player holds a few hundred folders; a scanned music folder some thousands. Past this the walk stops.
constexpr int kMaxFolders = 200000;

bool Inside(const QString &path, const QString &root)
{
    return path == root || path.startsWith(root.endsWith(u'/') ? root : root + u'/');
}

} // namespace

TPlayerBounds::TPlayerBounds(const QString &playerRoot)
{
    if (playerRoot.isEmpty())
        return;
    FRoot = playerRoot;
    FRootText = QDir::cleanPath(QFileInfo(playerRoot).absoluteFilePath());
    struct stat st;
    if (::stat(QFile::encodeName(playerRoot).constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
        FKnown = true;
        FRootNode = {st.st_dev, st.st_ino};
    }
}

void TPlayerBounds::CollectFolders() const
{
    FCollected = true;
    // Folders only, links not followed, the root's own file system only.
    QList<int> pending;
    const int rootFd = ::open(QFile::encodeName(FRoot).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (rootFd < 0)
        return;
    pending.append(rootFd);
    while (!pending.isEmpty()) {
        const int fd = pending.takeLast();
        DIR *folder = ::fdopendir(fd);
        if (!folder) {
            ::close(fd);
            continue;
        }
        while (const dirent *entry = ::readdir(folder)) {
            const char *name = entry->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            if (entry->d_type != DT_DIR && entry->d_type != DT_UNKNOWN)
                continue;
            struct stat st;
            if (::fstatat(::dirfd(folder), name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode) ||
                st.st_dev != FRootNode.dev || FFolders.size() >= kMaxFolders)
                continue;
            FFolders.insert({st.st_dev, st.st_ino});
            const int child =
                ::openat(::dirfd(folder), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0)
                pending.append(child);
        }
        ::closedir(folder);
    }
}

bool TPlayerBounds::Contains(const QString &path) const
{
    if (FRoot.isEmpty())
        return false;
    // Where the bytes would go: the links of the path itself followed, then its nearest existing folder.
    QString landing = FollowLinks(path);
    if (landing.isEmpty())
        landing = QFileInfo(path).absoluteFilePath();
    landing = QDir::cleanPath(landing);
    if (!FKnown)
        return Inside(landing, FRootText);
    for (;;) {
        struct stat st;
        if (::stat(QFile::encodeName(landing).constData(), &st) == 0 && S_ISDIR(st.st_mode))
            break;
        const QString parent = QFileInfo(landing).path();
        if (parent == landing)
            return false;
        landing = parent;
    }
    // Every folder from there up to the top, as the system sees them with links resolved.
    QString canonical = QFileInfo(landing).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = landing;
    QList<TNode> above;
    bool sameDevice = false;
    for (QString folder = canonical;;) {
        struct stat st;
        if (::stat(QFile::encodeName(folder).constData(), &st) == 0) {
            const TNode node{st.st_dev, st.st_ino};
            if (node == FRootNode)
                return true;
            sameDevice = sameDevice || node.dev == FRootNode.dev;
            above.append(node);
        }
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    // A second mount of one of the player's folders shares its device and inode.
    if (!sameDevice)
        return false;
    if (!FCollected)
        CollectFolders();
    for (const TNode &node : above)
        if (FFolders.contains(node))
            return true;
    return false;
}

bool LandsInPlayer(const QString &path, const QString &playerRoot)
{
    return TPlayerBounds(playerRoot).Contains(path);
}
