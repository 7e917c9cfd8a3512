#pragma once

#include "common/datetime.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

class TArtworkDBLoader;
class TITBSongItem;

/// "MP3 (MPEG1 Layer3)" and the like for a file's extension; "不明な音楽形式" for any other.
QString MusicFormatName(const QString &path);
/// A rating of 20, 40 ... 100 as five marks ("★★・・・"); any other value gives five empty marks.
QString RatingStars(int rating);
/// A database date in the default date-and-time form; "unknown" for an unset date (the Mac epoch or before).
QString SongDateText(TDateTime value);
/// The overview of the information window: caption and value of every line, in order.
QList<QPair<QString, QString>> SongInfoLines(const TITBSongItem &song, const QString &filePath);
/// The entry's file on the player (found without regard to case); the joined location when missing.
QString SongFilePath(const QString &root, const TITBSongItem &song);

/// The entry's artwork picture: the widest thumbnail no wider than `width` (0: the widest); null when the
/// artwork database has none for it.
QImage SongArtwork(const TArtworkDBLoader &artwork, const TITBSongItem &song, int width);
/// The small picture of the overview: `box` × `box` white with a black frame, the artwork fitted inside.
QImage SongThumbnail(const TArtworkDBLoader &artwork, const TITBSongItem &song, int box = 89);

/// The lyrics of a file's ID3v2 tag, trimmed; empty when there are none or the file cannot be read.
QString ReadSongLyrics(const QString &path);
/// `path` with its extension replaced by `extension` (".txt"), or added when it has none.
QString ForceExtension(const QString &path, const QString &extension);
/// Writes the lyrics in Shift-JIS with CR LF line ends, replacing the file only once complete.
/// Raises ESorvoError when it cannot be written.
void SaveLyricsFile(const QString &text, const QString &path);
/// Writes the picture as a JPEG of quality 90 or as a bitmap, replacing the file only once complete.
/// Raises ESorvoError when it cannot be written.
void SaveArtworkFile(const QImage &image, const QString &path, bool jpeg);
