#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

/// One mhod string chunk as the writer lays it out; the overrides express damaged chunks.
struct TITDBString
{
    TITDBString() = default;
    TITDBString(quint32 type, QString text, quint32 marker = 1, std::optional<qint32> length = std::nullopt,
                std::optional<quint32> totalLength = std::nullopt)
        : type(type), text(std::move(text)), marker(marker), length(length), totalLength(totalLength)
    {}

    quint32 type = 1;
    QString text;
    quint32 marker = 1;                  // +24; 100 marks a chunk that stores nothing
    std::optional<qint32> length;        // +28, bytes; default: the text's UTF-16LE size
    std::optional<quint32> totalLength;  // +8; default: 40 + text bytes
    std::optional<quint32> headerLength; // +4; default 24
};

/// One mhit track with every field the reader uses, followed by its strings.
struct TITDBTrack
{
    quint32 headerLength = 0x184;       // a shorter header makes the fixed field block reach the strings
    std::optional<quint32> totalLength; // default: header + strings
    qint32 trackId = 0;
    QByteArray fileType = "MP3 "; // four letters, stored last letter first
    quint8 rating = 0;
    quint32 dateModified = 0; // Mac time
    quint32 size = 0;
    qint32 length = 0;
    qint32 trackNumber = 0;
    qint32 trackCount = 0;
    qint32 year = 0;
    qint32 bitRate = 0;
    quint32 sampleRate = 44100; // written as 16.16 fixed point
    qint32 volume = 0;
    qint32 playCount = 0;
    quint32 lastPlayed = 0;
    qint32 discNumber = 0;
    qint32 discCount = 0;
    quint32 dateAdded = 0;
    quint64 dbid = 0;
    quint32 mediaType = 1; // +208
    QList<TITDBString> strings;

    /// Appends a plain string chunk of the given type.
    TITDBTrack &Str(quint32 type, const QString &text);
};

/// A playlist: mhyp with a title string and one mhip entry per track id.
struct TITDBPlaylist
{
    TITDBPlaylist() = default;
    TITDBPlaylist(QString name, bool master, quint64 id, QList<qint32> trackIds,
                  std::optional<qint32> itemCount = std::nullopt)
        : name(std::move(name)), master(master), id(id), trackIds(std::move(trackIds)), itemCount(itemCount)
    {}

    QString name;
    bool master = false;
    quint64 id = 0;
    QList<qint32> trackIds;
    std::optional<qint32> itemCount; // +16; default: trackIds.size()
    bool podcast = false;            // +42
    bool smart = false;              // settings and rules chunks (mhod 50, 51) after the name
    quint64 parentId = 0;            // +80: the folder holding the playlist
};

/// An album entry of section 4 with its strings (types 200 and up in real databases).
struct TITDBAlbum
{
    quint16 albumId = 0;
    QList<TITDBString> strings;
};

/// Writes song databases (iTunesDB) for tests, the demo player and benchmarks.
class TITunesDBWriter
{
public:
    QList<TITDBTrack> FTracks;
    QList<TITDBPlaylist> FPlaylists;
    QList<TITDBAlbum> FAlbums;
    /// Section types in file order: 1 tracks, 2 and 3 playlists, 4 albums, any other the raw body below.
    QList<quint32> FSections = {1, 2};
    QByteArray FRawSectionBody;
    quint32 FDatabaseHeaderLength = 0xBC;
    quint32 FVersion = 0x19;
    /// Writes the compressed form of later players (iTunesCDB): the sections as one zlib stream.
    bool FCompressed = false;

    QByteArray ToBytes() const;
    bool WriteTo(const QString &path) const;

    /// Adds a master playlist holding every track (what other readers of the format expect).
    void AddMasterPlaylist(const QString &name = QStringLiteral("iPod"));

    static QByteArray StringChunk(const TITDBString &string);
    static QByteArray TrackChunk(const TITDBTrack &track);
    static QByteArray PlaylistChunk(const TITDBPlaylist &playlist);
    static QByteArray AlbumChunk(const TITDBAlbum &album);
    /// A section header (mhsd) around a body.
    static QByteArray SectionChunk(quint32 type, const QByteArray &body);
    /// A bare chunk: tag, header length and header bytes padded with zeros.
    static QByteArray RawChunk(const char *tag, quint32 headerLength, quint32 totalLength = 0);

    /// The compressed form of an uncompressed database: its mhbd header (widened to 0xBC when shorter,
    /// flag +0xA8 set, +8 the file's length) followed by the rest as a zlib stream.
    static QByteArray Compress(const QByteArray &database, int level = 6);

    /// A realistic track for bulk data: eight strings, fields derived from `index`.
    static TITDBTrack SampleTrack(int index);
};
