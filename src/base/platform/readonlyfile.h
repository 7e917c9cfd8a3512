#pragma once

#include <QString>

#include <memory>

class QFile;

/// A file opened only to read parts of it at given offsets: one open, one size query and one read
/// per part, with nothing kept between reads. The tag readers open thousands of files a scan; a
/// general file object costs them several extra system calls a file.
class TReadOnlyFile
{
public:
    TReadOnlyFile();
    ~TReadOnlyFile();
    TReadOnlyFile(const TReadOnlyFile &) = delete;
    TReadOnlyFile &operator=(const TReadOnlyFile &) = delete;

    /// Opens path; false with ErrorString() when it cannot be opened or is a folder.
    bool Open(const QString &path);
    QString ErrorString() const { return FError; }
    qint64 Size() const { return FSize; }
    /// Reads up to len bytes at pos into data; the count read, short at the end, -1 on an error.
    qint64 ReadAt(qint64 pos, char *data, qint64 len);

private:
    int FHandle = -1;
    std::unique_ptr<QFile> FFile; // where there are no POSIX files
    qint64 FSize = 0;
    QString FError;
};
