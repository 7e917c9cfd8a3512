#pragma once

#include <QByteArray>
#include <QString>

class QFile;

/// Opens a file for reading only when it is a regular file. The open itself never waits: a FIFO, a
/// device, a socket or a folder standing where a file should be is refused with the system's reason,
/// so a hostile player or feed address cannot hang the program.
bool OpenRegularFile(QFile &file, const QString &path, QString *why = nullptr);
/// Reads a whole regular file (see OpenRegularFile); false with the reason in `why`.
bool ReadRegularFile(const QString &path, QByteArray &bytes, QString *why = nullptr);
/// True when the path names a regular file (links followed).
bool IsRegularFile(const QString &path);
