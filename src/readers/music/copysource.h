#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

/// The player's root folder as a copy run found it at the start. A player unplugged mid-run takes the
/// folder away, or leaves an empty mount point on another device in its place: every song after that
/// would only be logged as missing.
class TCopySource
{
public:
    explicit TCopySource(const QString &root);
    /// True while the root is the same folder on the same device; always true when it could not be
    /// looked at when the run started.
    bool StillThere() const;

private:
    QByteArray FRoot;
    bool FKnown = false;
    dev_t FDevice = 0;
    ino_t FInode = 0;
};
