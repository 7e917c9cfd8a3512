#include "smalldisk.h"

#include "platform/safefilewriter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

TSmallDisk::TSmallDisk(qint64 bytes)
{
    if (::geteuid() != 0 || !FDir.isValid())
        return;
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    FMounted =
        ::mount("tmpfs", QFile::encodeName(FDir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

TSmallDisk::~TSmallDisk()
{
    if (FMounted)
        ::umount2(QFile::encodeName(FDir.path()).constData(), MNT_DETACH);
}

qint64 TSmallDisk::FreeBytes() const
{
    struct statvfs st;
    if (::statvfs(QFile::encodeName(FDir.path()).constData(), &st) != 0)
        return 0;
    return qint64(st.f_bavail) * qint64(st.f_frsize);
}

void TSmallDisk::Fill(qint64 keep)
{
    QFile filler(FDir.filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::Append))
        return;
    const QByteArray block(4096, 'f');
    while (FreeBytes() > keep && filler.write(block) == block.size() && filler.flush()) {
    }
}

TWriteFailure::TWriteFailure(qint64 bytes)
{
    TSafeFileWriter::FailWritesAfter(bytes);
}

TWriteFailure::~TWriteFailure()
{
    TSafeFileWriter::FailWritesAfter(-1);
}

QStringList FolderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}
