#include "audiofilewriter.h"
#include "common/japanese.h"
#include "fixturefiles.h"
#include "tags/mpegextloader.h"
#include "tags/tagsource.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace AudioFileWriter;

class TstMPEGExtLoader : public QObject
{
    Q_OBJECT
private slots:
    void loadsLyrics_data();
    void loadsLyrics();
    void missingFileThrows();
};

namespace {
QByteArray Utf16Le(const QString &s)
{
    return Id3Text(1, s).mid(2);
}
const QByteArray Bom("\xFF\xFE", 2);
const QByteArray Zero2(2, '\0');
} // namespace

void TstMPEGExtLoader::loadsLyrics_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("lyrics");

    const QByteArray audio = MpegAudio(2000);
    const QString twoLines = u"一行目\r\n二行目"_s;

    QTest::addRow("no ID3v2 tag") << audio + Id3v1Tag(u"t"_s, {}, {}, {}, {}, 0) << QString();
    QTest::addRow("MPEG-4 file") << Mp4File(TMp4Spec()) << QString();
    QTest::addRow("two-line USLT") << TId3v2Writer(3)
                                              .Text("TIT2", 0, u"x"_s)
                                              .Frame("USLT", '\x01' + QByteArray("eng") + Bom + Zero2 + Bom +
                                                                 Utf16Le(twoLines) + Zero2)
                                              .Build() +
                                          audio
                                   << twoLines;
    QTest::addRow("descriptor comes before the lyrics")
        << TId3v2Writer(3).Described("USLT", 1, "eng", u"Desc"_s, u"Words"_s).Frame("TIT2", "\0t").Build() +
               audio
        << u"DescWords"_s;
    // "A" then an ideographic space: 41 00 00 30; a byte-wise walk would see 00 00 in the middle.
    QTest::addRow("zero bytes across two characters")
        << TId3v2Writer(3).Described("USLT", 1, "eng", {}, u"A\u3000B"_s).Build() + audio << u"A\u3000B"_s;
    QTest::addRow("final run closed by the end of the frame")
        << TId3v2Writer(3)
                   .Frame("USLT", '\x01' + QByteArray("eng") + Bom + Zero2 + Bom + Utf16Le(u"xy"_s))
                   .Frame("TIT2", "\0title")
                   .Build() +
               audio
        << u"xy"_s;
    QTest::addRow("big-endian mark")
        << TId3v2Writer(3).Described("USLT", 1, "eng", {}, u"Big ü"_s, true).Build() + audio << u"Big ü"_s;
    QTest::addRow("encoding 3")
        << TId3v2Writer(4).Described("USLT", 3, "jpn", u"d"_s, u"歌詞 UTF-8"_s).Build() + audio
        << u"歌詞 UTF-8"_s;
    QTest::addRow("encoding 0 Shift-JIS")
        << TId3v2Writer(3).Described("USLT", 0, "jpn", u"desc"_s, u"シフトJIS"_s).Build() + audio
        << u"シフトJIS"_s;
    QTest::addRow("encoding 2") << TId3v2Writer(3).Described("USLT", 2, "eng", u"d"_s, u"BE"_s).Build() +
                                       audio
                                << u"BE"_s;
    QTest::addRow("runs without a mark are ignored")
        << TId3v2Writer(3).Frame("USLT", '\x01' + QByteArray("eng") + Utf16Le(u"no mark"_s) + Zero2).Build() +
               audio
        << QString();
    QTest::addRow("ID3v2.2 ULT")
        << TId3v2Writer(2).Text("TT2", 0, u"t"_s).Described("ULT", 1, "eng", {}, u"v22 lyrics"_s).Build() +
               audio
        << u"v22 lyrics"_s;
    const QString longLyrics(300, u'L');
    QTest::addRow("ID3v2.4 synchsafe sizes") << TId3v2Writer(4)
                                                        .Text("TIT2", 3, QString(200, u'T'))
                                                        .Described("USLT", 3, "eng", {}, longLyrics)
                                                        .Build() +
                                                    audio
                                             << longLyrics;
    QTest::addRow("ID3v2.3 extended header")
        << TId3v2Writer(3).ExtendedHeader(10).Described("USLT", 1, "eng", {}, u"ext"_s).Build() + audio
        << u"ext"_s;
    QTest::addRow("frame over 524288 bytes")
        << TId3v2Writer(3).Described("USLT", 1, "eng", {}, QString(262200, u'a')).Build() + audio
        << QString();
    QTest::addRow("20000-byte tag walked to its end") << TId3v2Writer(3)
                                                                 .Frame("APIC", QByteArray(19000, '\x55'))
                                                                 .Described("USLT", 1, "eng", {}, u"end"_s)
                                                                 .Padding(20000 - 19010 - 30)
                                                                 .Build() +
                                                             audio
                                                      << u"end"_s;
    QTest::addRow("frame cut by the end of the file gives what is there")
        << TId3v2Writer(3)
               .Frame("USLT", '\x01' + QByteArray("eng") + Bom + Zero2 + Bom + Utf16Le(u"abc"_s))
               .Build()
               .chopped(3)
        << u"a"_s;
}

void TstMPEGExtLoader::loadsLyrics()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, lyrics);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"song.mp3"_s);
    QVERIFY(WriteFixtureFile(path, bytes));

    TMPEGExtLoader loader;
    loader.FLyrics = u"stale"_s;
    loader.LoadFromFile(path);
    QCOMPARE(loader.FLyrics, lyrics);
}

void TstMPEGExtLoader::missingFileThrows()
{
    QTemporaryDir dir;
    TMPEGExtLoader loader;
    QVERIFY_THROWS_EXCEPTION(ETagFileOpenError, loader.LoadFromFile(dir.filePath(u"none.mp3"_s)));
}

QTEST_GUILESS_MAIN(TstMPEGExtLoader)
#include "tst_mpegextloader.moc"
