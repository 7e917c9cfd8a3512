#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

/// Retrieves one news address into a file: web, secure web and FTP addresses over libcurl; a file address
/// or anything else as a local file copied byte for byte, when it is a feed or an HTML page.
class TWebFetch
{
    Q_DECLARE_TR_FUNCTIONS(TWebFetch)

public:
    /// True for the lower-case prefixes "http://", "https://", "ftp://" and "file://" at the start.
    static bool IsWebAddress(const QString &address);

    /// Writes the whole body to the file; false (and the file left as it was) on any failure:
    /// unopenable address, status 400 or more, no data for FIdleTimeoutSeconds, body over FMaxBytes,
    /// cancel, or a local file that is missing, not a regular file, or neither a feed nor a page.
    bool Fetch(const QString &address, const QString &file);

    int FIdleTimeoutSeconds = 60;
    int FTotalTimeoutSeconds = 120; // the whole transfer, however slowly the server keeps sending
    qint64 FMaxBytes = qint64(32) * 1024 * 1024;
    /// Called repeatedly while a transfer runs; returning true aborts it.
    std::function<bool()> FOnKeepAlive;
    /// Why the last fetch failed, for diagnostics; empty after a success.
    QString FError;

private:
    bool FetchWeb(const QString &address, const QString &file);
    /// CopyLocal, with a failure naming the address.
    bool ReadLocal(const QString &address, const QString &path, const QString &file);
    bool CopyLocal(const QString &path, const QString &file);
};
