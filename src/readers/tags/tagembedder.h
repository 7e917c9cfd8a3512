#pragma once

#include <QByteArray>
#include <QString>

class TArtworkDBLoader;
class TITBSongItem;

/// How writing the tags into one copy went.
enum class TEmbedOutcome
{
    Written,    // the tags (and the artwork, when there was some to add) are in the file
    NotHandled, // a format the embedder leaves alone; the file was not opened for writing
    Failed,     // TagLib could not read or write the file; FReason says why
};

struct TEmbedResult
{
    TEmbedOutcome FOutcome = TEmbedOutcome::NotHandled;
    QString FReason;
};

/// Writes a song's database fields and its artwork into a copy of its file with TagLib: MP3 as
/// ID3v2.4 in UTF-8, MPEG-4 as iTunes-style items. Only ever used on copies, never on the player.
class TTagEmbedder
{
public:
    /// Whether files of this name are written into (MP3 and MPEG-4 by their extension).
    static bool Handles(const QString &fileName);
    /// Writes the entry's non-empty fields; `artworkJpeg` only when the file holds no picture of its own.
    static TEmbedResult Embed(const QString &path, const TITBSongItem &entry, const QByteArray &artworkJpeg);
    /// The largest thumbnail the artwork database holds for the entry, as JPEG; empty when there is none.
    static QByteArray ArtworkJpeg(const TArtworkDBLoader &artwork, const TITBSongItem &entry);
};
