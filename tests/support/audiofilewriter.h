#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

/// Builders of audio file bytes for tests, benchmarks and the demo player: MPEG frames, ID3 tags,
/// MPEG-4 atoms, ASF (WMA) headers and RIFF files.
namespace AudioFileWriter {

/// A 4-byte MPEG audio frame header (version 3 = MPEG 1, 2 = MPEG 2, 0 = MPEG 2.5; layer 1 = III).
QByteArray MpegFrameHeader(int version, int layer, int bitRateIndex, int sampleIndex);
/// An MPEG-1 Layer III stream of total bytes: the header, then frame-sized repeats of it over zeros.
QByteArray MpegAudio(qint64 bytes, int bitRateIndex = 9, int sampleIndex = 0);

/// A 128-byte ID3v1 tag; texts in Shift-JIS, cut or zero-padded to their fields.
QByteArray Id3v1Tag(const QString &title, const QString &artist, const QString &album, const QString &year,
                    const QString &comment, int genre);
/// The same with raw field bytes (for padding and odd bytes).
QByteArray Id3v1TagRaw(const QByteArray &title, const QByteArray &artist, const QByteArray &album,
                       const QByteArray &year, const QByteArray &comment, int genre);

/// Text in an ID3v2 encoding: 0 Shift-JIS, 1 UTF-16 with a byte-order mark (little-endian unless
/// bigEndian), 2 UTF-16BE, 3 UTF-8. With terminator, ends with a zero byte or zero 16-bit unit.
QByteArray Id3Text(int encoding, const QString &text, bool terminator = false, bool bigEndian = false);

/// Builds an ID3v2.2, 2.3 or 2.4 tag frame by frame.
class TId3v2Writer
{
public:
    explicit TId3v2Writer(int version) : FVersion(version) {}
    /// A frame with a raw body; the size field follows the version (synchsafe in 2.4).
    TId3v2Writer &Frame(const QByteArray &id, const QByteArray &body);
    /// A text frame: encoding byte and text.
    TId3v2Writer &Text(const QByteArray &id, int encoding, const QString &text, bool bigEndian = false);
    /// A comment (COMM/COM) or lyrics (USLT/ULT) frame: encoding, language, descriptor, terminator, text.
    TId3v2Writer &Described(const QByteArray &id, int encoding, const QByteArray &language,
                            const QString &description, const QString &text, bool bigEndian = false);
    /// Zero bytes after the frames, counted in the tag size.
    TId3v2Writer &Padding(int bytes);
    /// An extended header of the given size (2.3: excludes its 4 size bytes; 2.4: includes them).
    TId3v2Writer &ExtendedHeader(int bytes);
    /// Forces the tag size field (otherwise frames + padding).
    TId3v2Writer &StatedSize(quint32 size);
    QByteArray Build() const;

private:
    int FVersion;
    QByteArray FFrames;
    QByteArray FExtended;
    int FPadding = 0;
    qint64 FStatedSize = -1;
};

/// Four 7-bit groups, most significant first.
QByteArray Synchsafe(quint32 value);

/// One MPEG-4 atom: 32-bit size, type, payload.
QByteArray Mp4Atom(const QByteArray &type, const QByteArray &payload);
/// An iTunes-style text item (©nam ...) holding a data atom.
QByteArray Mp4TextItem(const QByteArray &type, const QString &text);

/// What an MPEG-4 audio file written by Mp4File holds.
struct TMp4Spec
{
    QByteArray Brand = "M4A ";
    QString Title, Artist, Album, Year, Genre;
    quint32 TimeScale = 1000;
    quint64 Duration = 0; // in time scale units
    bool Mvhd64 = false;  // version 1 movie header
    quint32 SampleRate = 44100;
    int HdlrSize = 33; // bytes of the metadata handler atom (33 or 34)
    int MdatBytes = 0; // audio payload bytes, before the movie atom
    bool TrackNumber = true;
};
QByteArray Mp4File(const TMp4Spec &spec);

/// The ASF content description object (lengths in bytes of UTF-16LE text with its terminator).
QByteArray WmaContentDescription(const QString &title, const QString &author, const QString &rights,
                                 const QString &description);
/// The same with raw strings (lengths are the byte counts as given).
QByteArray WmaContentDescriptionRaw(const QList<QByteArray> &fiveStrings);
/// An ASF object with the given 16-byte identifier.
QByteArray AsfObject(const QByteArray &id16, const QByteArray &payload);
/// An ASF file: header object holding the given objects, then a small data object.
QByteArray WmaFile(const QList<QByteArray> &headerObjects);
/// A stand-in ASF object (file properties) to put before the content description.
QByteArray AsfFilePropertiesObject();

/// A RIFF WAVE file whose data chunk starts with an MPEG frame header at offset 20 of the file.
QByteArray RiffFile(qint64 bytes);

} // namespace AudioFileWriter
