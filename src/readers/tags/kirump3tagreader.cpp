#include "tags/kirump3tagreader.h"

#include "tags/tagsource.h"
#include "tags/tagtext.h"

#include <QtEndian>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString MpegKind = u"MPEG オーディオファイル"_s;
const QString AacKind = u"AAC オーディオファイル"_s;
const QString RiffKind = u"RIFF"_s;

enum class TFileKind
{
    Mpeg,
    Id3v1,
    Id3v2,
    Mpeg4,
    Riff,
    RiffId3v1
};

// Tag values longer than this are cut; no player shows more.
constexpr qint64 MaxAtomValue = 1024 * 1024;

QString AsciiId(QByteArrayView bytes)
{
    return TrimTagText(QString::fromLatin1(bytes));
}

QByteArray LowerAsciiType(QByteArrayView bytes)
{
    QByteArray t(bytes.data(), bytes.size());
    for (char &c : t)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return t;
}

/// The year of an ID3v2.4 timestamp (yyyy[-MM[-dd[THH[:mm[:ss]]]]]); other text is kept as written.
QString YearOfTimestamp(const QString &text)
{
    if (text.size() > 4 && text[0].isDigit() && text[1].isDigit() && text[2].isDigit() && text[3].isDigit() &&
        !text[4].isDigit())
        return text.first(4);
    return text;
}

} // namespace

const QStringList &TKiruMP3TagReader::GenreNames()
{
    static const QStringList names = {u"Blues"_s,
                                      u"クラシックロック"_s,
                                      u"Country"_s,
                                      u"Dance"_s,
                                      u"Disco"_s,
                                      u"Funk"_s,
                                      u"Grunge"_s,
                                      u"ヒップホップ"_s,
                                      u"Jazz"_s,
                                      u"Metal"_s,
                                      u"New Age"_s,
                                      u"Oldies"_s,
                                      u"Other"_s,
                                      u"Pop"_s,
                                      u"R&B"_s,
                                      u"Rap"_s,
                                      u"Reggae"_s,
                                      u"Rock"_s,
                                      u"Techno"_s,
                                      u"Industrial"_s,
                                      u"Alternative"_s,
                                      u"Ska"_s,
                                      u"DeathMetal"_s,
                                      u"Pranks"_s,
                                      u"サウンドトラック"_s,
                                      u"ユーロテクノ"_s,
                                      u"Ambient"_s,
                                      u"Trip-Hop"_s,
                                      u"Vocal"_s,
                                      u"Jazz+Funk"_s,
                                      u"Fusion"_s,
                                      u"トランス"_s,
                                      u"Classical"_s,
                                      u"Instrumental"_s,
                                      u"Acid"_s,
                                      u"House"_s,
                                      u"Game"_s,
                                      u"Sound Clip"_s,
                                      u"Gospel"_s,
                                      u"Noise"_s,
                                      u"AlternRock"_s,
                                      u"Bass"_s,
                                      u"Soul"_s,
                                      u"Punk"_s,
                                      u"Space"_s,
                                      u"Meditative"_s,
                                      u"Instrumental Pop"_s,
                                      u"Instrumental Rock"_s,
                                      u"Ethnic"_s,
                                      u"Gothic"_s,
                                      u"Drakwave"_s,
                                      u"Techno-Industrial"_s,
                                      u"Electronic"_s,
                                      u"Pop-Folk"_s,
                                      u"EuroDance"_s,
                                      u"Dream"_s,
                                      u"Southern Rock"_s,
                                      u"Comedy"_s,
                                      u"Cult"_s,
                                      u"Gangsta"_s,
                                      u"Top 40"_s,
                                      u"Christian Rap"_s,
                                      u"Pop/Folk"_s,
                                      u"Jungle"_s,
                                      u"Native American"_s,
                                      u"Cabaret"_s,
                                      u"New Wave"_s,
                                      u"Psychadelic"_s,
                                      u"Rave"_s,
                                      u"Showtunes"_s,
                                      u"Trailer"_s,
                                      u"Lo-Fi"_s,
                                      u"Tribal"_s,
                                      u"Acid Punk"_s,
                                      u"Acid Jazz"_s,
                                      u"Polka"_s,
                                      u"Retro"_s,
                                      u"Musical"_s,
                                      u"Rock & Roll"_s,
                                      u"Hard Rock"_s,
                                      u"Folk"_s,
                                      u"Folk-Rock"_s,
                                      u"National Folk"_s,
                                      u"Swing"_s,
                                      u"Fast Fusion"_s,
                                      u"Bebob"_s,
                                      u"Latin"_s,
                                      u"Revival"_s,
                                      u"Celtic"_s,
                                      u"Bluegrass"_s,
                                      u"Avantgarde"_s,
                                      u"Gothic Rock"_s,
                                      u"Progressive Rock"_s,
                                      u"Psychedelic Rock"_s,
                                      u"SympathicRock"_s,
                                      u"Slow Rock"_s,
                                      u"Big Band"_s,
                                      u"Chorus"_s,
                                      u"Easy Listening"_s,
                                      u"Acoustic"_s,
                                      u"Humour"_s,
                                      u"Speech"_s,
                                      u"Chanson"_s,
                                      u"Opera"_s,
                                      u"Chamber Music"_s,
                                      u"Sonata"_s,
                                      u"Symphony"_s,
                                      u"Booty Brass"_s,
                                      u"Primus"_s,
                                      u"Porn Groove"_s,
                                      u"Satire"_s,
                                      u"Slow Jam"_s,
                                      u"Club"_s,
                                      u"Tango"_s,
                                      u"Samba"_s,
                                      u"Follore"_s,
                                      u"Ballad"_s,
                                      u"Power Ballad"_s,
                                      u"Rhytmic Soul"_s,
                                      u"Freestyle"_s,
                                      u"Suet"_s,
                                      u"Punk Rock"_s,
                                      u"Drum Solo"_s,
                                      u"A Capela"_s,
                                      u"Euro-House"_s,
                                      u"Dance Hall"_s};
    return names;
}

qint32 TKiruMP3TagReader::MpegBitRate(int version, int layer, int index)
{
    static constexpr std::array<std::array<qint16, 15>, 5> table = {{
        {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448}, // MPEG 1 Layer I
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},    // MPEG 1 Layer II
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},     // MPEG 1 Layer III
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},    // MPEG 2/2.5 Layer I
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},         // MPEG 2/2.5 Layer II, III
    }};
    if (version == 1 || version < 0 || version > 3 || layer < 1 || layer > 3 || index < 0 || index > 15)
        return 0;
    if (index == 15)
        return 1000;
    int row;
    if (version == 3)
        row = 3 - layer; // layer 3 = Layer I
    else
        row = layer == 3 ? 3 : 4;
    return table[size_t(row)][size_t(index)];
}

qint32 TKiruMP3TagReader::MpegSampleRate(int version, int index)
{
    static constexpr std::array<std::array<qint32, 3>, 4> table = {{
        {11025, 12000, 8000}, // MPEG 2.5
        {0, 0, 0},            // reserved
        {22050, 24000, 16000},
        {44100, 48000, 32000},
    }};
    if (version < 0 || version > 3 || index < 0 || index > 2)
        return 0;
    return table[size_t(version)][size_t(index)];
}

void TKiruMP3TagReader::ReadFromFile(const QString &fileName, TMP3Tag &tag)
{
    TTagSource source(fileName);
    ReadFromSource(source, tag);
}

void TKiruMP3TagReader::ReadFromData(QByteArrayView data, TMP3Tag &tag)
{
    TTagSource source(data);
    ReadFromSource(source, tag);
}

void TKiruMP3TagReader::ReadFromSource(TTagSource &source, TMP3Tag &tag)
{
    tag = TMP3Tag();
    const qint64 size = source.Size();
    const QByteArray head = source.Read(0, 11).toByteArray();
    auto tailIsTag = [&] { return size >= 128 && source.Read(size - 128, 3) == "TAG"; };

    TFileKind kind = TFileKind::Mpeg;
    if (size <= 128)
        kind = TFileKind::Mpeg;
    else if (head.startsWith("ID3"))
        kind = TFileKind::Id3v2;
    else if (head.startsWith("RIF"))
        kind = tailIsTag() ? TFileKind::RiffId3v1 : TFileKind::Riff;
    else if (tailIsTag())
        kind = TFileKind::Id3v1;
    else if (head.mid(8, 3) == "M4A")
        kind = TFileKind::Mpeg4;

    switch (kind) {
    case TFileKind::Mpeg:
        tag.Kind = MpegKind;
        ReadAudioFigures(source, 0, tag);
        break;
    case TFileKind::Id3v1:
        tag.Kind = MpegKind;
        ReadId3v1(source, tag);
        ReadAudioFigures(source, 0, tag);
        break;
    case TFileKind::Id3v2:
        tag.Kind = MpegKind;
        ReadId3v2(source, tag);
        ReadAudioFigures(source, FindAudioAfterId3v2(source), tag);
        break;
    case TFileKind::Mpeg4:
        tag.Kind = AacKind;
        ReadMpeg4(source, tag);
        break;
    case TFileKind::Riff:
        tag.Kind = RiffKind;
        ReadAudioFigures(source, 20, tag);
        break;
    case TFileKind::RiffId3v1:
        tag.Kind = MpegKind;
        ReadId3v1(source, tag);
        ReadAudioFigures(source, 20, tag);
        break;
    }
}

void TKiruMP3TagReader::ReadId3v1(TTagSource &source, TMP3Tag &tag)
{
    const QByteArray b = source.Read(source.Size() - 128, 128).toByteArray();
    if (b.size() < 128)
        return;
    const QByteArrayView v(b);
    tag.Title = DecodeSingleByteField(v.sliced(3, 30));
    tag.Artist = DecodeSingleByteField(v.sliced(33, 30));
    tag.Album = DecodeSingleByteField(v.sliced(63, 30));
    tag.Year = DecodeSingleByteField(v.sliced(93, 4));
    tag.Comment = DecodeSingleByteField(v.sliced(97, 30));
    const int genre = quint8(b[127]);
    tag.Genre = genre < GenreNames().size() ? GenreNames()[genre] : u"Unknown"_s;
}

void TKiruMP3TagReader::ReadId3v2(TTagSource &source, TMP3Tag &tag)
{
    const QByteArray header = source.Read(0, 10).toByteArray();
    if (header.size() < 10)
        return;
    const int version = quint8(header[3]);
    const int flags = quint8(header[5]);
    const qint64 tagSize = SynchsafeSize(QByteArrayView(header).sliced(6, 4));
    tag.TagSize = qint32(tagSize);

    qint64 pos = 10;
    if (version >= 3 && (flags & 0x40)) {
        // Extended header: in 2.3 a plain size without its own 4 bytes, in 2.4 synchsafe and inclusive.
        if (version == 3)
            pos += 4 + qint64(source.BigEndian32(10));
        else
            pos += SynchsafeSize(source.Read(10, 4));
    }

    const qint64 fileSize = source.Size();
    while (pos <= tagSize && pos < fileSize) {
        QString id;
        qint64 frameSize;
        qint64 dataPos;
        if (version < 3) {
            const QByteArray h = source.Read(pos, 6).toByteArray();
            if (h.size() < 6)
                break;
            id = AsciiId(QByteArrayView(h).first(3));
            frameSize = (qint64(quint8(h[3])) << 16) | (quint8(h[4]) << 8) | quint8(h[5]);
            dataPos = pos + 6;
        } else {
            const QByteArray h = source.Read(pos, 10).toByteArray();
            if (h.size() < 10)
                break;
            id = AsciiId(QByteArrayView(h).first(4));
            frameSize = version >= 4 ? qint64(SynchsafeSize(QByteArrayView(h).sliced(4, 4)))
                                     : qint64(qFromBigEndian<quint32>(h.constData() + 4));
            dataPos = pos + 10;
        }
        if (id.isEmpty())
            break;
        pos = dataPos + frameSize;

        QString *target = nullptr;
        bool comment = false;
        bool recordingTime = false;
        if (id == u"TIT2"_s || id == u"TT2"_s)
            target = &tag.Title;
        else if (id == u"TPE1"_s || id == u"TP1"_s)
            target = &tag.Artist;
        else if (id == u"TALB"_s || id == u"TAL"_s)
            target = &tag.Album;
        else if (id == u"TYER"_s || id == u"TYE"_s)
            target = &tag.Year;
        else if (id == u"TDRC"_s) {
            // 2.4 has no TYER: the year leads its recording time ("2007", "2007-05-01T10:00").
            target = &tag.Year;
            recordingTime = true;
        } else if (id == u"TCON"_s || id == u"TCO"_s)
            target = &tag.Genre;
        else if (id == u"COMM"_s || id == u"COM"_s) {
            target = &tag.Comment;
            comment = true;
        }
        const qint64 n = frameSize - 1;
        if (!target || frameSize < 1 || n >= 65535)
            continue;
        const int encoding = source.Byte(dataPos);
        const QByteArray body = source.Read(dataPos + 1, n).toByteArray();
        if (recordingTime) {
            *target = YearOfTimestamp(DecodeId3Text(encoding, body));
            continue;
        }
        if (!comment) {
            *target = DecodeId3Text(encoding, body);
            continue;
        }
        // Comment: language code, short description with its terminator, then the text.
        if (encoding > 3) {
            *target = u"???"_s;
            continue;
        }
        const qsizetype textStart = FindId3Terminator(encoding, body, 3);
        *target = textStart < 0 ? QString() : DecodeId3Text(encoding, QByteArrayView(body).sliced(textStart));
    }
}

qint64 TKiruMP3TagReader::FindAudioAfterId3v2(TTagSource &source)
{
    const qint64 start = qint64(SynchsafeSize(source.Read(6, 4))) + 10;
    for (qint64 pos = start; pos < source.Size();) {
        const QByteArrayView chunk = source.ReadAvailable(pos, 4096);
        if (chunk.isEmpty())
            break;
        for (qsizetype i = 0; i < chunk.size(); ++i)
            if (chunk[i] != '\0')
                return pos + i;
        pos += chunk.size();
    }
    return start;
}

void TKiruMP3TagReader::ReadAudioFigures(TTagSource &source, qint64 headerPos, TMP3Tag &tag)
{
    char b[4] = {0, 0, 0, 0};
    const QByteArrayView h = source.Read(headerPos, 4);
    for (qsizetype i = 0; i < h.size(); ++i)
        b[i] = h[i];
    const quint32 header = qFromLittleEndian<quint32>(b);
    const int version = int((header >> 11) & 3);
    const int layer = int((header >> 9) & 3);
    const int bitRateIndex = int((header >> 20) & 15);
    const int sampleIndex = int((header >> 18) & 3);

    tag.BitRate = MpegBitRate(version, layer, bitRateIndex);
    tag.SampleRate = MpegSampleRate(version, sampleIndex);
    tag.FileSize = source.Size();
    if (tag.BitRate != 0 && tag.SampleRate != 0) {
        const qint64 seconds = ((tag.FileSize - headerPos) * 8) / (qint64(tag.BitRate) * 1000);
        tag.Duration = qint32(std::clamp<qint64>(seconds, 0, std::numeric_limits<qint32>::max()));
    }
}

void TKiruMP3TagReader::ReadMpeg4(TTagSource &source, TMP3Tag &tag)
{
    const qint64 fileSize = source.Size();
    qint64 durationSeconds = 0;
    qint64 pos = 0;
    while (pos + 8 <= fileSize) {
        const quint32 size32 = source.BigEndian32(pos);
        const QByteArray type = LowerAsciiType(source.Read(pos + 4, 4));
        qint64 headerSize = 8;
        quint64 atomSize = size32;
        if (size32 == 1) {
            // A 64-bit size follows the type.
            headerSize = 16;
            atomSize = source.BigEndian64(pos + 8);
            if (atomSize < 16)
                break;
        } else if (size32 == 0) {
            atomSize = quint64(fileSize - pos); // to the end of the file
        } else if (size32 < 8) {
            break; // damaged: no way to find the next atom
        }
        const qint64 end = atomSize > quint64(fileSize - pos) ? fileSize : pos + qint64(atomSize);

        if (type == "moov" || type == "udta" || type == "ilst" || type == "trak" || type == "mdia" ||
            type == "minf" || type == "stbl") {
            pos += headerSize;
        } else if (type == "meta") {
            pos += headerSize + 4; // version and flags
        } else if (type == "stsd") {
            pos += headerSize + 8; // version, flags and entry count
        } else if (type == "mvhd") {
            // Version 0: 32-bit time scale at +20 and duration at +24; version 1: 64-bit times first.
            const int version = source.Byte(pos + 8);
            quint64 timeScale, duration;
            if (version == 1) {
                timeScale = source.BigEndian32(pos + 28);
                duration = source.BigEndian64(pos + 32);
            } else {
                timeScale = source.BigEndian32(pos + 20);
                duration = source.BigEndian32(pos + 24);
            }
            durationSeconds = timeScale ? qint64(std::min<quint64>(duration / timeScale, INT32_MAX)) : 0;
            pos = end;
        } else if (type == "mp4a") {
            // Audio sample entry: sample rate as 16.16 fixed point at +32.
            tag.SampleRate = qint32(source.BigEndian32(pos + 32) >> 16);
            pos = end;
        } else if (type == "\xa9nam" ||
                   type == "\xa9"
                           "art" ||
                   type == "\xa9"
                           "alb" ||
                   type == "\xa9"
                           "day" ||
                   type == "\xa9gen") {
            // The value follows the inner data atom's header and its type and locale words.
            const qint64 valuePos = pos + headerSize + 16;
            const qint64 valueLen = std::min(end - valuePos, MaxAtomValue);
            const QString text =
                valueLen > 0 ? TrimTagText(DecodeUtf8Field(source.Read(valuePos, valueLen))) : QString();
            if (type == "\xa9nam")
                tag.Title = text;
            else if (type == "\xa9"
                             "art")
                tag.Artist = text;
            else if (type == "\xa9"
                             "alb")
                tag.Album = text;
            else if (type == "\xa9"
                             "day")
                tag.Year = text;
            else
                tag.Genre = text;
            pos = end;
        } else {
            pos = end;
        }
    }
    tag.FileSize = fileSize;
    tag.Duration = qint32(durationSeconds);
    tag.BitRate = durationSeconds > 0
                      ? qint32(std::min<qint64>(fileSize * 8 / (durationSeconds * 1000), INT32_MAX))
                      : 0;
}
