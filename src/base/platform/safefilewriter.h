#pragma once

#include <QByteArrayView>
#include <QString>

/// Writes a file whole or not at all: the bytes go to a temporary file in the destination folder, every
/// write is checked, and only a complete file is put in place by rename. On any failure the old file stays
/// as it was and no temporary file is left.
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
    QString FPath;
    TCommitMode FMode;
    QByteArray FTemp; // encoded name of the temporary file, empty when none
    int FFd = -1;
    int FError = 0;
    bool FReplacing = false; // an old file stands under the name
};

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
