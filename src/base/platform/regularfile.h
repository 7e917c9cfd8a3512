#pragma once

#include <QByteArray>
#include <QString>

class QFile;

/// Opens a file for reading only when it is a regular file. The open itself never waits: a FIFO, a
/// device, a socket or a folder standing where a file should be is refused with the system's reason,
/// so a hostile player or feed address cannot hang the program.
bool OpenRegularFile(QFile &file, const QString &path, QString *why = nullptr);
/// The most a file of its kind is read whole: far above any real one, but a file larger still (a disk
/// image dropped by mistake) would take the memory of the whole program.
inline constexpr qint64 kTextFileLimit = qint64(64) << 20;      // a note, a card, a calendar, a page
inline constexpr qint64 kPictureFileLimit = qint64(256) << 20;  // a photo
inline constexpr qint64 kDatabaseFileLimit = qint64(512) << 20; // a player database read whole

/// Reads a whole regular file (see OpenRegularFile) of at most `limit` bytes; false with the reason in
/// `why` (a larger file says its size and the limit, a lack of memory says so).
bool ReadRegularFile(const QString &path, QByteArray &bytes, QString *why = nullptr,
                     qint64 limit = kTextFileLimit);
/// The reason ReadRegularFile gives for a file of `size` bytes over `limit`.
QString FileTooLargeText(qint64 size, qint64 limit);
/// True when the path names a regular file (links followed).
bool IsRegularFile(const QString &path);
