#include "music/copysource.h"

#include <QFile>

#include <sys/stat.h>

TCopySource::TCopySource(const QString &root) : FRoot(QFile::encodeName(root))
{
    struct stat st;
    if (::stat(FRoot.constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
        FKnown = true;
        FDevice = st.st_dev;
        FInode = st.st_ino;
    }
}

bool TCopySource::StillThere() const
{
    if (!FKnown)
        return true;
    struct stat st;
    return ::stat(FRoot.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_dev == FDevice &&
           st.st_ino == FInode;
}
