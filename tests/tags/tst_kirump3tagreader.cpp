#include "audiofilewriter.h"
#include "fixturefiles.h"
#include "tags/kirump3tagreader.h"
#include "tags/tagsource.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace AudioFileWriter;

namespace {

QByteArray Id3v2Header(int version, quint32 size)
{
    return QByteArray("ID3") + char(version) + QByteArray(2, '\0') + Synchsafe(size);
}

QVariantMap Fields(const TMP3Tag &t)
{
    return {{u"Title"_s, t.Title},       {u"Artist"_s, t.Artist},
            {u"Album"_s, t.Album},       {u"Year"_s, t.Year},
            {u"Comment"_s, t.Comment},   {u"Genre"_s, t.Genre},
            {u"Kind"_s, t.Kind},         {u"TagSize"_s, t.TagSize},
            {u"BitRate"_s, t.BitRate},   {u"SampleRate"_s, t.SampleRate},
            {u"Duration"_s, t.Duration}, {u"FileSize"_s, t.FileSize}};
}

const QString Mpeg = u"MPEG オーディオファイル"_s;
const QString Aac = u"AAC オーディオファイル"_s;

} // namespace

class TstKiruMP3TagReader : public QObject
{
    Q_OBJECT
private slots:
    void readsFile_data();
    void readsFile();
    void bitRateTable_data();
    void bitRateTable();
    void sampleRateTable_data();
    void sampleRateTable();
    void missingFileThrows();
    void genreList();
};

void TstKiruMP3TagReader::readsFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QVariantMap>("expected"); // only the listed fields are compared

    const QByteArray audio = MpegAudio(8000);

    QTest::addRow("100-byte file is plain MPEG")
        << QByteArray(100, '\0')
        << QVariantMap{
               {u"Kind"_s, Mpeg}, {u"Title"_s, QString()}, {u"Genre"_s, QString()}, {u"FileSize"_s, 100}};

    QTest::addRow("ID3v1 fields trimmed")
        << audio + Id3v1TagRaw(QByteArray("\0\0  Padded Title \t\0\0junk", 25), "Artist   ", "Album", "1999",
                               QByteArray("Comment\0\0", 9), 0)
        << QVariantMap{{u"Kind"_s, Mpeg},          {u"Title"_s, u"Padded Title"_s},
                       {u"Artist"_s, u"Artist"_s}, {u"Album"_s, u"Album"_s},
                       {u"Year"_s, u"1999"_s},     {u"Comment"_s, u"Comment"_s},
                       {u"Genre"_s, u"Blues"_s},   {u"BitRate"_s, 128},
                       {u"SampleRate"_s, 44100},   {u"TagSize"_s, 0}};
    QTest::addRow("ID3v1 Shift-JIS") << audio + Id3v1Tag(u"夜空の歌"_s, u"山田太郎"_s, u"アルバム"_s,
                                                         u"2001"_s, u"良い"_s, 24)
                                     << QVariantMap{{u"Title"_s, u"夜空の歌"_s},
                                                    {u"Artist"_s, u"山田太郎"_s},
                                                    {u"Album"_s, u"アルバム"_s},
                                                    {u"Comment"_s, u"良い"_s},
                                                    {u"Genre"_s, u"サウンドトラック"_s}};
    QTest::addRow("genre 7") << audio + Id3v1Tag(u"t"_s, {}, {}, {}, {}, 7)
                             << QVariantMap{{u"Genre"_s, u"ヒップホップ"_s}};
    QTest::addRow("genre 125") << audio + Id3v1Tag(u"t"_s, {}, {}, {}, {}, 125)
                               << QVariantMap{{u"Genre"_s, u"Dance Hall"_s}};
    QTest::addRow("genre 200") << audio + Id3v1Tag(u"t"_s, {}, {}, {}, {}, 200)
                               << QVariantMap{{u"Genre"_s, u"Unknown"_s}};

    // 4,000,000 bytes after a header at offset 10 at 128 kbit/s last 250 s.
    QTest::addRow("128 kbit/s header at 10") << Id3v2Header(3, 0) + MpegAudio(4000000)
                                             << QVariantMap{{u"BitRate"_s, 128},
                                                            {u"SampleRate"_s, 44100},
                                                            {u"Duration"_s, 250},
                                                            {u"FileSize"_s, 4000010},
                                                            {u"TagSize"_s, 0}};

    const QByteArray v23 = TId3v2Writer(3)
                               .Text("TIT2", 1, u"タイトル"_s)
                               .Text("TPE1", 0, u"歌手"_s)
                               .Text("TALB", 3, u"Älbum ✓"_s)
                               .Text("TYER", 0, u"2004"_s)
                               .Text("TCON", 0, u"(13)Pop"_s)
                               .Described("COMM", 0, "eng", QString(), u"Nice"_s)
                               .Padding(100)
                               .Build();
    QTest::addRow("ID3v2.3 frames") << v23 + audio
                                    << QVariantMap{
                                           {u"Title"_s, u"タイトル"_s}, {u"Artist"_s, u"歌手"_s},
                                           {u"Album"_s, u"Älbum ✓"_s},  {u"Year"_s, u"2004"_s},
                                           {u"Genre"_s, u"(13)Pop"_s},  {u"Comment"_s, u"Nice"_s},
                                           {u"Kind"_s, Mpeg},           {u"TagSize"_s, v23.size() - 10},
                                           {u"BitRate"_s, 128}};
    QTest::addRow("TIT2 UTF-16 big-endian mark")
        << TId3v2Writer(3).Text("TIT2", 1, u"Big ü"_s, true).Build() + audio
        << QVariantMap{{u"Title"_s, u"Big ü"_s}};
    QTest::addRow("TIT2 encoding 2") << TId3v2Writer(3).Text("TIT2", 2, u"UTF16BE"_s).Build() + audio
                                     << QVariantMap{{u"Title"_s, u"UTF16BE"_s}};
    QTest::addRow("TIT2 encoding 3") << TId3v2Writer(3).Text("TIT2", 3, u" 日本語 "_s).Build() + audio
                                     << QVariantMap{{u"Title"_s, u"日本語"_s}};
    QTest::addRow("TIT2 encoding 4 unknown")
        << TId3v2Writer(3).Frame("TIT2", QByteArray("\x04xyz", 4)).Build() + audio
        << QVariantMap{{u"Title"_s, u"???"_s}};
    QTest::addRow("COMM UTF-16 with description")
        << TId3v2Writer(3).Described("COMM", 1, "jpn", u"説明"_s, u"コメント"_s).Build() + audio
        << QVariantMap{{u"Comment"_s, u"コメント"_s}};
    // "Ā" is 00 01 in UTF-16BE: a byte-wise search for two zero bytes would end the description early.
    QTest::addRow("COMM UTF-16 terminator on unit boundary")
        << TId3v2Writer(3).Described("COMM", 1, "eng", u"\u0100"_s, u"text"_s, true).Build() + audio
        << QVariantMap{{u"Comment"_s, u"text"_s}};
    QTest::addRow("COMM UTF-8") << TId3v2Writer(4).Described("COMM", 3, "eng", u"d"_s, u"ç"_s).Build() + audio
                                << QVariantMap{{u"Comment"_s, u"ç"_s}};

    QTest::addRow("ID3v2.2 frames") << TId3v2Writer(2)
                                               .Text("TT2", 0, u"Two"_s)
                                               .Text("TP1", 1, u"Artist2"_s)
                                               .Text("TAL", 0, u"Alb2"_s)
                                               .Text("TYE", 0, u"1988"_s)
                                               .Text("TCO", 0, u"Rock"_s)
                                               .Described("COM", 0, "eng", QString(), u"c2"_s)
                                               .Build() +
                                           audio
                                    << QVariantMap{{u"Title"_s, u"Two"_s},  {u"Artist"_s, u"Artist2"_s},
                                                   {u"Album"_s, u"Alb2"_s}, {u"Year"_s, u"1988"_s},
                                                   {u"Genre"_s, u"Rock"_s}, {u"Comment"_s, u"c2"_s}};

    // Year frames as taggers write them: 2.4 keeps the year at the head of TDRC, 2.3 in TYER.
    QTest::addRow("2.4 TDRC year only, UTF-8")
        << TId3v2Writer(4).Text("TIT2", 3, u"t"_s).Text("TDRC", 3, u"2007"_s).Build() + audio
        << QVariantMap{{u"Year"_s, u"2007"_s}, {u"Title"_s, u"t"_s}};
    QTest::addRow("2.4 TDRC date, UTF-8")
        << TId3v2Writer(4).Text("TDRC", 3, u"2007-05-01"_s).Build() + audio << QVariantMap{{u"Year"_s, u"2007"_s}};
    QTest::addRow("2.4 TDRC date and time, UTF-16")
        << TId3v2Writer(4).Text("TDRC", 1, u"2007-05-01T10:00"_s).Build() + audio
        << QVariantMap{{u"Year"_s, u"2007"_s}};
    QTest::addRow("2.4 TDRC year and month, ISO-8859-1")
        << TId3v2Writer(4).Text("TDRC", 0, u"1999-12"_s).Padding(1024).Build() + audio
        << QVariantMap{{u"Year"_s, u"1999"_s}};
    QTest::addRow("2.4 TDRC two values")
        << TId3v2Writer(4).Frame("TDRC", QByteArray("\x03" "2007\0" "2008", 10)).Build() + audio
        << QVariantMap{{u"Year"_s, u"2007"_s}};
    QTest::addRow("2.4 TDRC after the title, UTF-16BE")
        << TId3v2Writer(4).Text("TIT2", 2, u"曲"_s).Text("TDRC", 2, u"2010-01-02T03:04:05"_s).Build() + audio
        << QVariantMap{{u"Year"_s, u"2010"_s}, {u"Title"_s, u"曲"_s}};
    QTest::addRow("2.4 TDRC not a date kept as written")
        << TId3v2Writer(4).Text("TDRC", 3, u"circa 1970"_s).Build() + audio
        << QVariantMap{{u"Year"_s, u"circa 1970"_s}};
    QTest::addRow("2.3 TYER beside TDAT")
        << TId3v2Writer(3).Text("TYER", 1, u"2004"_s).Text("TDAT", 1, u"0105"_s).Build() + audio
        << QVariantMap{{u"Year"_s, u"2004"_s}};
    QTest::addRow("2.4 tag without a year has none")
        << TId3v2Writer(4).Text("TIT2", 3, u"t"_s).Build() + audio << QVariantMap{{u"Year"_s, QString()}};

    const QString longText(200, u'x');
    QTest::addRow("ID3v2.4 synchsafe frame sizes")
        << TId3v2Writer(4).Text("TIT2", 3, longText).Text("TPE1", 3, u"After"_s).Build() + audio
        << QVariantMap{{u"Title"_s, longText}, {u"Artist"_s, u"After"_s}};
    QTest::addRow("ID3v2.3 extended header")
        << TId3v2Writer(3).ExtendedHeader(6).Text("TIT2", 0, u"Ext3"_s).Build() + audio
        << QVariantMap{{u"Title"_s, u"Ext3"_s}};
    QTest::addRow("ID3v2.4 extended header")
        << TId3v2Writer(4).ExtendedHeader(6).Text("TIT2", 0, u"Ext4"_s).Build() + audio
        << QVariantMap{{u"Title"_s, u"Ext4"_s}};
    QTest::addRow("frame of 70000 bytes is stepped over")
        << TId3v2Writer(3).Text("TIT2", 0, QString(70000, u'a')).Text("TPE1", 0, u"Next"_s).Build() + audio
        << QVariantMap{{u"Title"_s, QString()}, {u"Artist"_s, u"Next"_s}, {u"BitRate"_s, 128}};
    QTest::addRow("unknown frames skipped")
        << TId3v2Writer(3).Frame("APIC", QByteArray(5000, '\x7F')).Text("TIT2", 0, u"Pic"_s).Build() + audio
        << QVariantMap{{u"Title"_s, u"Pic"_s}};
    QTest::addRow("frame size past the file")
        << Id3v2Header(3, 100) + QByteArray("TIT2\x7F\xFF\xFF\xFF\0\0\0abc", 15) + QByteArray(200, '\x01')
        << QVariantMap{{u"Title"_s, QString()}, {u"Kind"_s, Mpeg}, {u"TagSize"_s, 100}};
    QTest::addRow("truncated tag") << QByteArray("ID3\x03\0\0\x7F\x7F\x7F\x7F", 10) + QByteArray(200, 'T')
                                   << QVariantMap{{u"TagSize"_s, 0x0FFFFFFF}, {u"Kind"_s, Mpeg}};

    // A 20000-byte tag: the audio header is looked for from byte 20010 on, past zero bytes.
    QByteArray bigTag = TId3v2Writer(3).Text("TIT2", 0, u"Big"_s).Padding(20000).StatedSize(20000).Build();
    bigTag = bigTag.left(20010);
    QTest::addRow("20000-byte tag") << bigTag + QByteArray(90, '\0') + MpegFrameHeader(2, 1, 8, 1) +
                                           QByteArray(63996, '\x01')
                                    << QVariantMap{{u"Title"_s, u"Big"_s},
                                                   {u"TagSize"_s, 20000},
                                                   {u"BitRate"_s, 64},
                                                   {u"SampleRate"_s, 24000},
                                                   {u"Duration"_s, 8}};

    TMp4Contents mp4;
    mp4.Title = u"AAC タイトル"_s;
    mp4.Artist = u"AAC Artist"_s;
    mp4.Album = u"AAC Album"_s;
    mp4.Year = u"2005"_s;
    mp4.Genre = u"Jazz"_s;
    mp4.Duration = 180500; // 180.5 s at 1000 units per second
    mp4.SampleRate = 48000;
    mp4.MdatBytes = 90000;
    const QByteArray mp4File = Mp4File(mp4);
    const int mp4BitRate = int(qint64(mp4File.size()) * 8 / (180 * 1000));
    QTest::addRow("MPEG-4 with 33-byte hdlr")
        << mp4File << QVariantMap{{u"Kind"_s, Aac},           {u"Title"_s, mp4.Title},
                                  {u"Artist"_s, mp4.Artist},  {u"Album"_s, mp4.Album},
                                  {u"Year"_s, u"2005"_s},     {u"Genre"_s, u"Jazz"_s},
                                  {u"Duration"_s, 180},       {u"SampleRate"_s, 48000},
                                  {u"BitRate"_s, mp4BitRate}, {u"FileSize"_s, mp4File.size()}};
    mp4.HdlrSize = 34;
    mp4.Mvhd64 = true;
    mp4.TimeScale = 44100;
    mp4.Duration = 44100ull * 61;
    QTest::addRow("MPEG-4 with 34-byte hdlr and 64-bit mvhd")
        << Mp4File(mp4) << QVariantMap{{u"Title"_s, mp4.Title}, {u"Year"_s, u"2005"_s}, {u"Duration"_s, 61}};
    TMp4Contents silent;
    silent.Title = u"Zero"_s;
    silent.TimeScale = 0;
    QTest::addRow("MPEG-4 without time scale")
        << Mp4File(silent) << QVariantMap{{u"Title"_s, u"Zero"_s}, {u"Duration"_s, 0}, {u"BitRate"_s, 0}};
    TMp4Contents other;
    other.Brand = "isom";
    other.Title = u"Not M4A"_s;
    QTest::addRow("MPEG-4 of another brand is not read as MPEG-4")
        << Mp4File(other) << QVariantMap{{u"Kind"_s, Mpeg}, {u"Title"_s, QString()}};

    const QByteArray ftyp =
        Mp4Atom("ftyp", QByteArray("M4A \0\0\0\0", 8)) + Mp4Atom("free", QByteArray(200, '\0'));
    QTest::addRow("MPEG-4 atom of size 0 runs to the end")
        << ftyp + QByteArray("\0\0\0\0free", 8) + Mp4Atom("moov", Mp4Atom("udta", QByteArray(40, '\0')))
        << QVariantMap{{u"Kind"_s, Aac}, {u"Title"_s, QString()}};
    QTest::addRow("MPEG-4 atom with 64-bit size")
        << ftyp +
               QByteArray("\0\0\0\x01"
                          "free\0\0\0\0\0\0\0\x18",
                          16) +
               QByteArray(8, '\0') +
               Mp4Atom("moov",
                       Mp4Atom("udta",
                               Mp4Atom("meta", QByteArray(4, '\0') +
                                                   Mp4Atom("ilst", Mp4TextItem("\xA9nam", u"After64"_s)))))
        << QVariantMap{{u"Title"_s, u"After64"_s}};
    QTest::addRow("MPEG-4 atom size below 8 stops")
        << ftyp + QByteArray("\0\0\0\x05moov", 8) + QByteArray(200, '\0')
        << QVariantMap{{u"Kind"_s, Aac}, {u"Duration"_s, 0}};

    QTest::addRow("RIFF") << RiffFile(400044)
                          << QVariantMap{{u"Kind"_s, u"RIFF"_s},
                                         {u"BitRate"_s, 128},
                                         {u"Duration"_s, 25},
                                         {u"Title"_s, QString()}};
    QTest::addRow("RIFF with ID3v1") << RiffFile(4000) + Id3v1Tag(u"Wave"_s, {}, {}, {}, {}, 0)
                                     << QVariantMap{
                                            {u"Kind"_s, Mpeg}, {u"Title"_s, u"Wave"_s}, {u"BitRate"_s, 128}};
}

void TstKiruMP3TagReader::readsFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QVariantMap, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"song.mp3"_s);
    QVERIFY(WriteFixtureFile(path, bytes));

    TMP3Tag tag;
    tag.Title = u"stale"_s;
    TKiruMP3TagReader().ReadFromFile(path, tag);
    const QVariantMap actual = Fields(tag);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(actual.contains(it.key()), qPrintable(it.key()));
        QCOMPARE(actual[it.key()].toString(), it.value().toString());
    }

    // The reader gives the same from memory.
    TMP3Tag fromMemory;
    TKiruMP3TagReader().ReadFromData(bytes, fromMemory);
    QCOMPARE(Fields(fromMemory), actual);
}

void TstKiruMP3TagReader::bitRateTable_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("kbps");
    QTest::addRow("MPEG1 L3 9") << 3 << 1 << 9 << 128;
    QTest::addRow("MPEG1 L3 14") << 3 << 1 << 14 << 320;
    QTest::addRow("MPEG1 L3 1") << 3 << 1 << 1 << 32;
    QTest::addRow("MPEG1 L2 14") << 3 << 2 << 14 << 384;
    QTest::addRow("MPEG1 L2 2") << 3 << 2 << 2 << 48;
    QTest::addRow("MPEG1 L1 14") << 3 << 3 << 14 << 448;
    QTest::addRow("MPEG1 L1 9") << 3 << 3 << 9 << 288;
    QTest::addRow("MPEG2 L1 14") << 2 << 3 << 14 << 256;
    QTest::addRow("MPEG2 L1 9") << 2 << 3 << 9 << 144;
    QTest::addRow("MPEG2 L2 14") << 2 << 2 << 14 << 160;
    QTest::addRow("MPEG2 L3 1") << 2 << 1 << 1 << 8;
    QTest::addRow("MPEG2.5 L3 8") << 0 << 1 << 8 << 64;
    QTest::addRow("index 15") << 3 << 1 << 15 << 1000;
    QTest::addRow("index 0") << 3 << 1 << 0 << 0;
    QTest::addRow("reserved version") << 1 << 1 << 9 << 0;
    QTest::addRow("reserved version index 15") << 1 << 1 << 15 << 0;
    QTest::addRow("reserved layer") << 3 << 0 << 9 << 0;
}

void TstKiruMP3TagReader::bitRateTable()
{
    QFETCH(int, version);
    QFETCH(int, layer);
    QFETCH(int, index);
    QFETCH(int, kbps);
    QCOMPARE(TKiruMP3TagReader::MpegBitRate(version, layer, index), kbps);
}

void TstKiruMP3TagReader::sampleRateTable_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("hz");
    QTest::addRow("MPEG1 0") << 3 << 0 << 44100;
    QTest::addRow("MPEG1 1") << 3 << 1 << 48000;
    QTest::addRow("MPEG1 2") << 3 << 2 << 32000;
    QTest::addRow("MPEG2 0") << 2 << 0 << 22050;
    QTest::addRow("MPEG2 2") << 2 << 2 << 16000;
    QTest::addRow("MPEG2.5 1") << 0 << 1 << 12000;
    QTest::addRow("MPEG2.5 2") << 0 << 2 << 8000;
    QTest::addRow("index 3") << 3 << 3 << 0;
    QTest::addRow("reserved version") << 1 << 0 << 0;
}

void TstKiruMP3TagReader::sampleRateTable()
{
    QFETCH(int, version);
    QFETCH(int, index);
    QFETCH(int, hz);
    QCOMPARE(TKiruMP3TagReader::MpegSampleRate(version, index), hz);
}

void TstKiruMP3TagReader::missingFileThrows()
{
    QTemporaryDir dir;
    TMP3Tag tag;
    QVERIFY_THROWS_EXCEPTION(ETagFileOpenError,
                             TKiruMP3TagReader().ReadFromFile(dir.filePath(u"none.mp3"_s), tag));
}

void TstKiruMP3TagReader::genreList()
{
    const QStringList &names = TKiruMP3TagReader::GenreNames();
    QCOMPARE(names.size(), 126);
    QCOMPARE(names[0], u"Blues"_s);
    QCOMPARE(names[50], u"Drakwave"_s);
    QCOMPARE(names[100], u"Humour"_s);
}

QTEST_GUILESS_MAIN(TstKiruMP3TagReader)
#include "tst_kirump3tagreader.moc"
