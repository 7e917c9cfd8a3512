#pragma once

#include <QByteArray>
#include <QString>

class TArtworkDBLoader;

/// The fields written into a copy, whatever they were read from; empty texts and zero numbers are left out.
struct TEmbedTags
{
    QString title;
    QString artist;
    QString album;
    QString genre;
    QString composer;
    QString comment;
    int year = 0;
    int trackNumber = 0;
    int trackCount = 0;
    int discNumber = 0;
    int discCount = 0;
};

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
    QString FReason; // untranslated, for the transfer log file; shown through tr()
};

/// Writes a song's database fields and its artwork into a copy of its file with TagLib: MP3 as
/// ID3v2.4 in UTF-8, MPEG-4 as iTunes-style items. Only ever used on copies, never on the player.
class TTagEmbedder
{
public:
    /// Whether files of this name are written into (MP3 and MPEG-4 by their extension).
    static bool Handles(const QString &fileName);
    /// Writes the non-empty fields; `artworkJpeg` only when the file holds no picture of its own.
    static TEmbedResult Embed(const QString &path, const TEmbedTags &tags, const QByteArray &artworkJpeg);
    /// The largest thumbnail the artwork database holds for a song (its database id), as JPEG; empty when
    /// there is none.
    static QByteArray ArtworkJpeg(const TArtworkDBLoader &artwork, quint64 songId);
};
