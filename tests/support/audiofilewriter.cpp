#include "audiofilewriter.h"

#include "common/japanese.h"

#include <QtEndian>

namespace AudioFileWriter {

namespace {

QByteArray BigEndian32(quint32 v)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}

QByteArray BigEndian24(quint32 v)
{
    QByteArray b(3, '\0');
    b[0] = char((v >> 16) & 0xFF);
    b[1] = char((v >> 8) & 0xFF);
    b[2] = char(v & 0xFF);
    return b;
}

QByteArray LittleEndian16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray LittleEndian32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray LittleEndian64(quint64 v)
{
    QByteArray b(8, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Utf16(const QString &text, bool bigEndian)
{
    QByteArray b;
    b.reserve(text.size() * 2);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (bigEndian) {
            b.append(char(u >> 8));
            b.append(char(u & 0xFF));
        } else {
            b.append(char(u & 0xFF));
            b.append(char(u >> 8));
        }
    }
    return b;
}

QByteArray Field(const QByteArray &bytes, int size)
{
    QByteArray b = bytes.left(size);
    b.append(QByteArray(size - b.size(), '\0'));
    return b;
}

const QByteArray HeaderObjectId = QByteArray::fromHex("3026B2758E66CF11A6D900AA0062CE6C");
const QByteArray ContentDescriptionId = QByteArray::fromHex("3326B2758E66CF11A6D900AA0062CE6C");
const QByteArray FilePropertiesId = QByteArray::fromHex("A1DCAB8C47A9CF118EE400C00C205365");
const QByteArray DataObjectId = QByteArray::fromHex("3626B2758E66CF11A6D900AA0062CE6C");

} // namespace

QByteArray MpegFrameHeader(int version, int layer, int bitRateIndex, int sampleIndex)
{
    QByteArray h(4, '\0');
    h[0] = char(0xFF);
    h[1] = char(0xE0 | ((version & 3) << 3) | ((layer & 3) << 1) | 1);
    h[2] = char(((bitRateIndex & 15) << 4) | ((sampleIndex & 3) << 2));
    h[3] = char(0x44); // joint stereo
    return h;
}

QByteArray MpegAudio(qint64 bytes, int bitRateIndex, int sampleIndex)
{
    const QByteArray header = MpegFrameHeader(3, 1, bitRateIndex, sampleIndex);
    QByteArray out(bytes, '\0');
    // 417 bytes is one 128 kbit/s frame at 44.1 kHz; the exact spacing does not matter to the readers.
    for (qint64 pos = 0; pos + 4 <= bytes; pos += 417)
        out.replace(pos, 4, header);
    return out;
}

QByteArray Id3v1TagRaw(const QByteArray &title, const QByteArray &artist, const QByteArray &album,
                       const QByteArray &year, const QByteArray &comment, int genre)
{
    QByteArray t("TAG");
    t += Field(title, 30);
    t += Field(artist, 30);
    t += Field(album, 30);
    t += Field(year, 4);
    t += Field(comment, 30);
    t += char(genre & 0xFF);
    return t;
}

QByteArray Id3v1Tag(const QString &title, const QString &artist, const QString &album, const QString &year,
                    const QString &comment, int genre)
{
    return Id3v1TagRaw(UnicodeToShiftJis(title), UnicodeToShiftJis(artist), UnicodeToShiftJis(album),
                       UnicodeToShiftJis(year), UnicodeToShiftJis(comment), genre);
}

QByteArray Id3Text(int encoding, const QString &text, bool terminator, bool bigEndian)
{
    QByteArray b;
    switch (encoding) {
    case 0:
        b = UnicodeToShiftJis(text);
        if (terminator)
            b.append('\0');
        break;
    case 1:
        b = bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
        b += Utf16(text, bigEndian);
        if (terminator)
            b.append(QByteArray(2, '\0'));
        break;
    case 2:
        b = Utf16(text, true);
        if (terminator)
            b.append(QByteArray(2, '\0'));
        break;
    default:
        b = text.toUtf8();
        if (terminator)
            b.append('\0');
        break;
    }
    return b;
}

QByteArray Synchsafe(quint32 value)
{
    QByteArray b(4, '\0');
    for (int i = 3; i >= 0; --i) {
        b[i] = char(value & 0x7F);
        value >>= 7;
    }
    return b;
}

TId3v2Writer &TId3v2Writer::Frame(const QByteArray &id, const QByteArray &body)
{
    if (FVersion < 3) {
        FFrames += id.left(3);
        FFrames += BigEndian24(quint32(body.size()));
    } else {
        FFrames += id.left(4);
        FFrames += FVersion >= 4 ? Synchsafe(quint32(body.size())) : BigEndian32(quint32(body.size()));
        FFrames += QByteArray(2, '\0');
    }
    FFrames += body;
    return *this;
}

TId3v2Writer &TId3v2Writer::Text(const QByteArray &id, int encoding, const QString &text, bool bigEndian)
{
    return Frame(id, char(encoding) + Id3Text(encoding, text, false, bigEndian));
}

TId3v2Writer &TId3v2Writer::Described(const QByteArray &id, int encoding, const QByteArray &language,
                                      const QString &description, const QString &text, bool bigEndian)
{
    QByteArray body(1, char(encoding));
    body += language.left(3);
    body += Id3Text(encoding, description, true, bigEndian);
    body += Id3Text(encoding, text, false, bigEndian);
    return Frame(id, body);
}

TId3v2Writer &TId3v2Writer::Padding(int bytes)
{
    FPadding = bytes;
    return *this;
}

TId3v2Writer &TId3v2Writer::ExtendedHeader(int bytes)
{
    if (FVersion == 3)
        FExtended = BigEndian32(quint32(bytes)) + QByteArray(bytes, '\0');
    else
        FExtended = Synchsafe(quint32(bytes)) + QByteArray(std::max(bytes - 4, 0), '\0');
    return *this;
}

TId3v2Writer &TId3v2Writer::StatedSize(quint32 size)
{
    FStatedSize = size;
    return *this;
}

QByteArray TId3v2Writer::Build() const
{
    const QByteArray body = FExtended + FFrames + QByteArray(FPadding, '\0');
    QByteArray tag("ID3");
    tag += char(FVersion);
    tag += '\0';
    tag += char(FExtended.isEmpty() ? 0 : 0x40);
    tag += Synchsafe(FStatedSize >= 0 ? quint32(FStatedSize) : quint32(body.size()));
    return tag + body;
}

QByteArray Mp4Atom(const QByteArray &type, const QByteArray &payload)
{
    return BigEndian32(quint32(payload.size() + 8)) + type + payload;
}

QByteArray Mp4TextItem(const QByteArray &type, const QString &text)
{
    // data atom: type 1 (UTF-8), locale 0.
    return Mp4Atom(type, Mp4Atom("data", BigEndian32(1) + BigEndian32(0) + text.toUtf8()));
}

QByteArray Mp4File(const TMp4Contents &contents)
{
    const QByteArray ftyp = Mp4Atom("ftyp", contents.Brand + BigEndian32(0) + contents.Brand + "mp42isom");

    QByteArray mvhd;
    if (contents.Mvhd64) {
        mvhd = QByteArray("\x01\0\0\0", 4) + QByteArray(16, '\0') + BigEndian32(contents.TimeScale) +
               BigEndian32(quint32(contents.Duration >> 32)) + BigEndian32(quint32(contents.Duration));
    } else {
        mvhd = QByteArray(4, '\0') + QByteArray(8, '\0') + BigEndian32(contents.TimeScale) +
               BigEndian32(quint32(contents.Duration));
    }
    mvhd += QByteArray(80, '\0');

    QByteArray mp4a = QByteArray(6, '\0') + QByteArray("\0\x01", 2) + QByteArray(8, '\0') +
                      QByteArray("\0\x02\0\x10", 4) + QByteArray(4, '\0') +
                      BigEndian32(contents.SampleRate << 16);
    // Elementary stream descriptor: AAC LC, 44.1 kHz, stereo (what other MPEG-4 readers expect to parse).
    const QByteArray esds("\0\0\0\0"                              // version and flags
                          "\x03\x18\0\x02\0"                      // ES descriptor, id 2
                          "\x04\x13\x40\x15\0\0\0\0\0\xFA\0\0\0\xFA\0" // decoder config: AAC audio
                          "\x05\x04\x12\x10\0\0",                // audio specific config
                          30);
    mp4a = Mp4Atom("mp4a", mp4a + Mp4Atom("esds", esds));
    const QByteArray stsd = Mp4Atom("stsd", QByteArray(4, '\0') + BigEndian32(1) + mp4a);
    const QByteArray stbl = Mp4Atom("stbl", stsd + Mp4Atom("stts", QByteArray(8, '\0')));
    const QByteArray minf = Mp4Atom("minf", Mp4Atom("smhd", QByteArray(8, '\0')) + stbl);
    const QByteArray mdia =
        Mp4Atom("mdia", Mp4Atom("mdhd", QByteArray(24, '\0')) +
                            Mp4Atom("hdlr", QByteArray(8, '\0') + "soun" + QByteArray(13, '\0')) + minf);
    const QByteArray trak = Mp4Atom("trak", Mp4Atom("tkhd", QByteArray(84, '\0')) + mdia);

    QByteArray ilst;
    if (!contents.Title.isNull())
        ilst += Mp4TextItem("\xA9nam", contents.Title);
    if (!contents.Artist.isNull())
        ilst += Mp4TextItem("\xA9"
                            "ART",
                            contents.Artist);
    if (!contents.Album.isNull())
        ilst += Mp4TextItem("\xA9"
                            "alb",
                            contents.Album);
    if (contents.TrackNumber)
        ilst += Mp4Atom(
            "trkn", Mp4Atom("data", BigEndian32(0) + BigEndian32(0) + QByteArray("\0\0\0\x03\0\x0C\0\0", 8)));
    if (!contents.Year.isNull())
        ilst += Mp4TextItem("\xA9"
                            "day",
                            contents.Year);
    if (!contents.Genre.isNull())
        ilst += Mp4TextItem("\xA9gen", contents.Genre);
    // hdlr payload: version/flags, predefined, "mdir", "appl", 8 reserved bytes, then a name.
    const int nameBytes = std::max(contents.HdlrSize - 8 - 24, 0);
    const QByteArray hdlr =
        Mp4Atom("hdlr", QByteArray(8, '\0') + "mdirappl" + QByteArray(8, '\0') + QByteArray(nameBytes, '\0'));
    const QByteArray meta = Mp4Atom("meta", QByteArray(4, '\0') + hdlr + Mp4Atom("ilst", ilst));
    const QByteArray udta = Mp4Atom("udta", meta);
    const QByteArray moov = Mp4Atom("moov", Mp4Atom("mvhd", mvhd) + trak + udta);
    const QByteArray mdat = Mp4Atom("mdat", QByteArray(contents.MdatBytes, '\x5A'));
    return ftyp + mdat + moov;
}

QByteArray WmaContentDescriptionRaw(const QList<QByteArray> &fiveStrings)
{
    QByteArray lengths, strings;
    for (int i = 0; i < 5; ++i) {
        const QByteArray s = i < fiveStrings.size() ? fiveStrings[i] : QByteArray();
        lengths += LittleEndian16(quint16(s.size()));
        strings += s;
    }
    return AsfObject(ContentDescriptionId, lengths + strings);
}

QByteArray WmaContentDescription(const QString &title, const QString &author, const QString &rights,
                                 const QString &description)
{
    auto text = [](const QString &s) {
        return s.isEmpty() ? QByteArray() : Utf16(s, false) + QByteArray(2, '\0');
    };
    return WmaContentDescriptionRaw({text(title), text(author), text(rights), text(description), {}});
}

QByteArray AsfObject(const QByteArray &id16, const QByteArray &payload)
{
    return id16.left(16) + LittleEndian64(quint64(payload.size() + 24)) + payload;
}

QByteArray AsfFilePropertiesObject()
{
    return AsfObject(FilePropertiesId, QByteArray(80, '\0'));
}

QByteArray WmaFile(const QList<QByteArray> &headerObjects)
{
    QByteArray children;
    for (const QByteArray &o : headerObjects)
        children += o;
    const QByteArray header = HeaderObjectId + LittleEndian64(quint64(children.size() + 30)) +
                              LittleEndian32(quint32(headerObjects.size())) + QByteArray("\x01\x02", 2) +
                              children;
    const QByteArray data = AsfObject(DataObjectId, QByteArray(16, '\0') + LittleEndian64(0) +
                                                        QByteArray(2, '\0') + QByteArray(512, '\x11'));
    return header + data;
}

QByteArray RiffFile(qint64 bytes)
{
    QByteArray b("RIFF");
    b += LittleEndian32(quint32(std::max<qint64>(bytes - 8, 0)));
    b += "WAVEfmt ";
    b += LittleEndian32(16);
    b += MpegFrameHeader(3, 1, 9, 0);
    if (b.size() < bytes)
        b += QByteArray(bytes - b.size(), '\0');
    return b;
}

} // namespace AudioFileWriter
