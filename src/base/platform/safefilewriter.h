#pragma once

#include <QByteArrayView>
#include <QString>

/// Writes a file whole or not at all: the bytes go to a temporary file in the destination folder, every
/// write is checked, and only a complete file is put in place by rename. On any failure the old file stays
/// as it was and no temporary file is left. A link at the path is followed and its target written; a
/// character device or FIFO (/dev/null, a pipe) is written directly; anything else that is not a regular
/// file (a folder, a block device, a socket) is refused: a rename never replaces such a thing.
class TSafeFileWriter
{
public:
    enum TCommitMode
    {
        cmReplace,
        cmNoReplace
    };

    explicit TSafeFileWriter(QString path, TCommitMode mode = cmReplace);
    ~TSafeFileWriter(); // discards what was not committed
    TSafeFileWriter(const TSafeFileWriter &) = delete;
    TSafeFileWriter &operator=(const TSafeFileWriter &) = delete;

    bool Open();
    bool Write(QByteArrayView data);
    /// Puts the file in place. With cmNoReplace an existing file is never replaced (error EEXIST).
    bool Commit();
    /// Removes the temporary file; safe to call at any time, also from cleanup after a signal.
    void Discard();

    const QString &Path() const { return FPath; }
    /// The file the bytes go to: the path with its links followed.
    const QString &Target() const { return FTarget; }
    /// True when the bytes go straight to a device or FIFO, with nothing to put in place or undo.
    bool Direct() const { return FDirect; }
    /// The open temporary file, for writers that fill it themselves (the file copy); -1 when none.
    int Handle() const { return FFd; }
    /// errno of the first failure, 0 when none.
    int Error() const { return FError; }
    QString ErrorString() const;

    /// Test seam: writes fail with "no space left" once this many bytes have been written in total by
    /// all writers; a negative value switches the failure off.
    static void FailWritesAfter(qint64 bytes);

private:
    bool Fail(int error);
    bool OpenDirect(const QByteArray &target);
    QString FPath;
    QString FTarget;
    TCommitMode FMode;
    QByteArray FTemp; // encoded name of the temporary file, empty when none
    int FFd = -1;
    int FError = 0;
    bool FReplacing = false;  // an old file stands under the name
    bool FDirect = false;     // writing a device or FIFO in place
    bool FNotRegular = false; // the error is "not a regular file"
};

/// The path a write to `path` lands on: a chain of symbolic links followed to its end (which may not
/// exist yet). Empty when the chain loops or is too long.
QString FollowLinks(const QString &path);

/// The beginning of the names of the temporary files the program writes beside the files it replaces
/// (".sorvo-"): lists of the player's files pass over them.
QString TemporaryFilePrefix();
/// True for a name that begins with TemporaryFilePrefix().
bool IsTemporaryFileName(const QString &name);

/// True for an existing file the user may not, or chose not to, write (no write permission bit at all).
bool IsReadOnlyFile(const QString &path);

/// Writes `data` as the whole new content of `path` through TSafeFileWriter; false with the system's
/// reason in `error`.
bool SaveFileSafely(const QString &path, QByteArrayView data, QString *error = nullptr,
                    TSafeFileWriter::TCommitMode mode = TSafeFileWriter::cmReplace);
/// As SaveFileSafely; a failure raises ESorvoError "ファイル %s を作成できません。%s".
void SaveFileOrThrow(const QString &path, QByteArrayView data);

/// Asks long file work to stop at its next chunk (from a signal handler too); StopRequested reads it.
void RequestStop();
bool StopRequested();
void ResetStopRequest();
