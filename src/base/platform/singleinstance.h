#pragma once

#include <QString>

#include <memory>

class QLockFile;

/// One running copy per user: a lock file named "SORVOMUTEXDATA" in the user's runtime folder. The lock
/// is released at exit; a lock left behind by a crashed copy is taken over.
class TSingleInstance
{
public:
    /// folder: where the lock lives; empty for the user's runtime folder.
    explicit TSingleInstance(const QString &folder = {});
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance &) = delete;
    TSingleInstance &operator=(const TSingleInstance &) = delete;

    /// True when this process now holds the lock; false when another running copy holds it.
    bool TryAcquire();
    void Release();
    QString LockFileName() const { return FFileName; }

private:
    QString FFileName;
    std::unique_ptr<QLockFile> FLock;
};
