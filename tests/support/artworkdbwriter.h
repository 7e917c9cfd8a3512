#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>

/// One stored thumbnail (mhod type 2 container with its mhni and file name string).
struct TArtDBThumb
{
    QString fileName = QStringLiteral(":Thumbs:F1009_1.ithmb"); // stored form, colons
    quint32 offset = 0;
    quint32 size = 0;
    quint16 width = 0;
    quint16 height = 0;
    qint16 horizontalPadding = 0;
    qint16 verticalPadding = 0;
    quint32 format = 1009;
    bool withName = true; // false: the mhni carries no string chunk
};

/// One picture record (mhii).
struct TArtDBPicture
{
    TArtDBPicture() = default;
    TArtDBPicture(quint32 imageId, quint64 songId, std::optional<QString> fullFile = std::nullopt,
                  QList<TArtDBThumb> thumbs = {})
        : imageId(imageId), songId(songId), fullFile(std::move(fullFile)), thumbs(std::move(thumbs))
    {}

    quint32 imageId = 0;
    quint64 songId = 0;
    std::optional<QString> fullFile; // stored form; written as a type-5 container
    QList<TArtDBThumb> thumbs;
    QByteArray extraChildren;           // raw chunks appended inside the record
    QByteArray leadingChildren;         // raw chunks before the containers
    std::optional<quint32> totalLength; // default: header + children
};

/// One album (mhba) with its name string and entries.
struct TArtDBAlbum
{
    TArtDBAlbum() = default;
    TArtDBAlbum(QString name, quint8 kind, QList<quint32> imageIds, quint32 nameEncoding = 1,
                bool nameAfterEntries = false)
        : name(std::move(name)), kind(kind), imageIds(std::move(imageIds)), nameEncoding(nameEncoding),
          nameAfterEntries(nameAfterEntries)
    {}

    QString name;
    quint8 kind = 2; // 1: the library album
    QList<quint32> imageIds;
    quint32 nameEncoding = 1; // 0/2 UTF-16LE, 1 UTF-8, other: stored as UTF-8 bytes
    bool nameAfterEntries = false;
    std::optional<quint32> entryCount; // +16; default imageIds.size()
    QByteArray extraChildren;          // raw chunks after the name and entries
};

/// Writes picture databases (ArtworkDB, Photo Database) for tests, the demo player and benchmarks.
class TArtworkDBWriter
{
public:
    QList<TArtDBPicture> FPictures;
    QList<TArtDBAlbum> FAlbums;
    /// Section types in file order: 1 pictures, 2 albums, 3 file list, any other an empty list.
    QList<quint32> FSections = {1, 2, 3};
    std::optional<quint32> FPictureCount; // mhli count; default FPictures.size()

    QByteArray ToBytes() const;
    bool WriteTo(const QString &path) const;

    /// A string mhod: length at +24, encoding at +28, text at +36.
    static QByteArray StringChunk(quint32 type, const QString &text, quint32 encoding = 2);
    static QByteArray PictureChunk(const TArtDBPicture &picture);
    static QByteArray AlbumChunk(const TArtDBAlbum &album);
    /// A chunk with the given tag, header length and total length, zero-filled.
    static QByteArray RawChunk(const char *tag, quint32 headerLength, quint32 totalLength);
};

/// Encodes a picture as RGB565 rows of `dataWidth` pixels (extra columns black).
QByteArray EncodeRgb565(const QImage &picture, int dataWidth, bool bigEndian);
/// A picture whose every pixel differs: red from x, green from y, blue from both.
QImage PatternImage(int width, int height);
/// The colour a pixel keeps through RGB565 (low bits cleared).
QRgb Rgb565Rounded(QRgb colour);

/// A thumbnail file (.ithmb) grown block by block.
class TIthmbWriter
{
public:
    /// Appends a block and returns its offset.
    quint32 Append(const QByteArray &block);
    bool WriteTo(const QString &path) const;
    QByteArray FData;
};
