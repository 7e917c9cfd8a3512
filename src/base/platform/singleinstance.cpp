#include "platform/singleinstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

TSingleInstance::TSingleInstance(const QString &folder)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    FFileName = QDir(dir).filePath(u"SORVOMUTEXDATA"_s);
}

TSingleInstance::~TSingleInstance()
{
    Release();
}

bool TSingleInstance::TryAcquire()
{
    if (FLock && FLock->isLocked())
        return true;
    FLock = std::make_unique<QLockFile>(FFileName);
    // Only a lock whose owner process has ended counts as stale, however old it is.
    FLock->setStaleLockTime(0);
    if (FLock->tryLock(0))
        return true;
    FLock.reset();
    return false;
}

void TSingleInstance::Release()
{
    if (FLock)
        FLock->unlock();
    FLock.reset();
}
