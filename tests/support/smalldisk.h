#pragma once

#include <QString>
#include <QTemporaryDir>

/// A real, small file system for full-disk tests: a tmpfs mounted in a temporary folder. Mounting needs
/// root; Mounted() tells whether it worked, so that a test can QSKIP otherwise. Unmounted on destruction.
class TSmallDisk
{
public:
    explicit TSmallDisk(qint64 bytes);
    ~TSmallDisk();
    TSmallDisk(const TSmallDisk &) = delete;
    TSmallDisk &operator=(const TSmallDisk &) = delete;

    bool Mounted() const { return FMounted; }
    QString Path() const { return FDir.path(); }
    QString FilePath(const QString &name) const { return FDir.filePath(name); }
    /// Fills the free space with a filler file, leaving about `keep` bytes free.
    void Fill(qint64 keep = 0);
    qint64 FreeBytes() const;

private:
    QTemporaryDir FDir;
    bool FMounted = false;
};

/// Makes every TSafeFileWriter write fail with "no space left" after `bytes` bytes, while it lives.
class TWriteFailure
{
public:
    explicit TWriteFailure(qint64 bytes);
    ~TWriteFailure();
    TWriteFailure(const TWriteFailure &) = delete;
    TWriteFailure &operator=(const TWriteFailure &) = delete;
};

/// The names in a folder, hidden ones too (a left temporary file shows here).
QStringList FolderEntries(const QString &folder);
