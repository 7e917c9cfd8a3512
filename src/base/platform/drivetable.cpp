#include "platform/drivetable.h"

#include "common/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kMaxCandidates = 23; // D: to Z:

// The nearest folder of the path that exists, so a drive can be asked about a folder not yet made.
QString ExistingAncestor(const QString &path)
{
    QString p = QDir::cleanPath(QDir(path).absolutePath());
    while (!p.isEmpty() && !QFileInfo(p).isDir()) {
        const qsizetype slash = p.lastIndexOf(u'/');
        if (slash <= 0) {
            p = u"/"_s;
            break;
        }
        p.truncate(slash);
    }
    return p.isEmpty() ? u"/"_s : p;
}

#ifdef Q_OS_LINUX
QByteArray ReadSysFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}

// /dev/sdb1 -> true when sdb (its disk) is removable or hangs off a USB bus.
bool BlockDeviceIsRemovable(const QByteArray &device)
{
    if (!device.startsWith("/dev/"))
        return false;
    const QString name = QFileInfo(QString::fromLocal8Bit(device)).canonicalFilePath().section(u'/', -1);
    if (name.isEmpty())
        return false;
    QString sysPath = QFileInfo(u"/sys/class/block/"_s + name).canonicalFilePath();
    if (sysPath.isEmpty())
        return false;
    if (QFileInfo::exists(sysPath + u"/partition"_s))
        sysPath = sysPath.section(u'/', 0, -2); // the partition's parent disk
    if (ReadSysFile(sysPath + u"/removable"_s) == "1")
        return true;
    return sysPath.contains(u"/usb"_s);
}
#endif

} // namespace

bool SameOrBelow(const QString &path, const QString &root)
{
    const QString a = QDir::cleanPath(QDir(path).absolutePath());
    const QString b = QDir::cleanPath(QDir(root).absolutePath());
    return a == b || a.startsWith(b.endsWith(u'/') ? b : b + u'/');
}

QString DriveTypeForFileSystem(const QString &fsType)
{
    static const QStringList network = {u"nfs"_s,   u"nfs4"_s,       u"cifs"_s,     u"smb3"_s, u"smbfs"_s,
                                        u"9p"_s,    u"fuse.sshfs"_s, u"sshfs"_s,    u"afs"_s,  u"ceph"_s,
                                        u"davfs"_s, u"fuse.davfs"_s, u"glusterfs"_s};
    static const QStringList optical = {u"iso9660"_s, u"udf"_s};
    static const QStringList memory = {u"tmpfs"_s, u"ramfs"_s};
    const QString t = fsType.toLower();
    if (network.contains(t))
        return u"Network"_s;
    if (optical.contains(t))
        return u"CD/DVD"_s;
    if (memory.contains(t))
        return u"RAMDisk"_s;
    return u"HardDisk"_s;
}

TSystemDriveTable::TSystemDriveTable(const QStringList &namedRoots) : FNamed(namedRoots)
{
    if (FNamed.isEmpty()) {
        const QString env = qEnvironmentVariable("SORVO_DRIVES");
        for (const QString &p : env.split(QDir::listSeparator(), Qt::SkipEmptyParts))
            FNamed << p;
    }
    for (QString &p : FNamed)
        p = QDir::cleanPath(QDir(p).absolutePath());
    if (FNamed.size() > kMaxCandidates)
        FNamed.resize(kMaxCandidates);
}

void TSystemDriveTable::AddUserRoot(const QString &root)
{
    FUserRoots << QDir::cleanPath(QDir(root).absolutePath());
}

bool TSystemDriveTable::IsUserRoot(const QString &path) const
{
    for (const QString &r : FNamed + FUserRoots)
        if (SameOrBelow(path, r))
            return true;
    return false;
}

QStringList TSystemDriveTable::Candidates() const
{
    if (!FNamed.isEmpty())
        return FNamed;
    QStringList roots;
#ifdef Q_OS_WIN
    // The drive letters D to Z, in letter order; the identification test checks removability.
    for (char letter = 'D'; letter <= 'Z'; ++letter)
        roots << QString(QChar(letter)) + u":/"_s;
    return roots;
#endif
#ifdef Q_OS_LINUX
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        if (BlockDeviceIsRemovable(volume.device()))
            roots << volume.rootPath();
    }
#endif
    std::sort(roots.begin(), roots.end());
    roots.removeDuplicates();
    if (roots.size() > kMaxCandidates)
        roots.resize(kMaxCandidates);
    return roots;
}

TDriveFacts TSystemDriveTable::Query(const QString &path) const
{
    TDriveFacts facts;
    const QStorageInfo volume(ExistingAncestor(path));
    facts.ok = volume.isValid();
    if (!facts.ok) {
        facts.typeName = u"Unknown"_s;
        return facts;
    }
    facts.volumeName = volume.name();
    facts.totalBytes = qMax<qint64>(0, volume.bytesTotal());
    facts.freeBytes = qMax<qint64>(0, volume.bytesAvailable());
    const QString fsType = QString::fromLatin1(volume.fileSystemType());
#ifdef Q_OS_LINUX
    facts.removable = BlockDeviceIsRemovable(volume.device());
#endif
#ifdef Q_OS_WIN
    const QString driveRoot = QDir::toNativeSeparators(volume.rootPath());
    switch (GetDriveTypeW(reinterpret_cast<LPCWSTR>(driveRoot.utf16()))) {
    case DRIVE_REMOVABLE:
        facts.removable = true;
        break;
    case DRIVE_REMOTE:
        return facts.typeName = u"Network"_s, facts;
    case DRIVE_CDROM:
        return facts.typeName = u"CD/DVD"_s, facts;
    case DRIVE_RAMDISK:
        return facts.typeName = u"RAMDisk"_s, facts;
    case DRIVE_NO_ROOT_DIR:
        return facts.typeName = u"Error"_s, facts;
    default:
        break;
    }
#endif
    if (IsUserRoot(path))
        facts.removable = true;
    if (facts.removable)
        facts.typeName = u"Removable"_s;
    else if (fsType.isEmpty())
        facts.typeName = u"Unknown"_s;
    else
        facts.typeName = DriveTypeForFileSystem(fsType);
    return facts;
}
