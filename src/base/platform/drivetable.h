#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// What the system says of one drive (a mounted volume or a folder the user named).
struct TDriveFacts
{
    bool ok = false;        // the file system could be queried
    bool removable = false; // removable medium or attached through USB
    QString typeName;       // "Removable", "HardDisk", "Network", "CD/DVD", "RAMDisk", "Unknown"
    QString volumeName;     // the file system's label, empty when it has none
    qint64 totalBytes = 0;
    qint64 freeBytes = 0; // available to the user
};

/// The drives a player may be on, and what the system tells of a path's drive.
class IDriveTable
{
public:
    virtual ~IDriveTable() = default;
    /// Roots to search, in order, at most 23.
    virtual QStringList Candidates() const = 0;
    /// True when the candidates were named by the user (--drive, SORVO_DRIVES): the drive lock is not
    /// applied.
    virtual bool NamedByUser() const = 0;
    /// Facts of the drive holding the path (its nearest existing folder).
    virtual TDriveFacts Query(const QString &path) const = 0;
    /// A folder the user named (the drive lock) counts as a removable drive.
    virtual void AddUserRoot(const QString &root) = 0;
};

/// The real drive table: named roots, else the removable and USB volumes mounted on this system.
class TSystemDriveTable : public IDriveTable
{
public:
    /// Named roots: the --drive options, else the SORVO_DRIVES environment variable.
    explicit TSystemDriveTable(const QStringList &namedRoots = {});
    QStringList Candidates() const override;
    bool NamedByUser() const override { return !FNamed.isEmpty(); }
    TDriveFacts Query(const QString &path) const override;

    void AddUserRoot(const QString &root) override;

private:
    bool IsUserRoot(const QString &path) const;
    QStringList FNamed;
    QStringList FUserRoots;
};

/// Name of a file-system type as a drive type: "Network", "CD/DVD", "RAMDisk" or "HardDisk".
QString DriveTypeForFileSystem(const QString &fsType);
/// True when the path is the root or lies below it.
bool SameOrBelow(const QString &path, const QString &root);
