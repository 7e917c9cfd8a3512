#include "app/userdialogs.h"
#include "music/itunesdbloader.h"
#include "music/songcopy.h"
#include "music/transferlog.h"
#include "photos/artworkdbloader.h"
#include "photos/jpegio.h"
#include "recordingprogress.h"
#include "tags/kirump3tagreader.h"
#include "tags/tagembedder.h"

#include "artworkdbwriter.h"
#include "audiofilewriter.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"
#include "markingtranslator.h"
#include "recordingservices.h"
#include "scripteddialogs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

using namespace Qt::Literals::StringLiterals;
using namespace AudioFileWriter;

namespace {

constexpr quint64 kSongId = 0x8000000000001234ULL;

/// A player with one song or video whose file is `bytes`, its database entry carrying every field the
/// copies receive, and (when `artwork`) a 120 × 90 thumbnail of it in the artwork database.
struct TTaggedPlayer
{
    QTemporaryDir dir;
    QString root = dir.filePath(u"player/"_s);
    QString dest = dir.filePath(u"out/"_s);
    QString playerFile;
    TITunesDBLoader db;
    TArtworkDBLoader artwork;

    TTaggedPlayer(const QString &fileName, const QByteArray &bytes, bool withArtwork = true)
    {
        QDir().mkpath(dest);
        TITDBTrack t;
        t.trackId = 1;
        t.dbid = kSongId;
        t.year = 2007;
        t.trackNumber = 3;
        t.trackCount = 12;
        t.discNumber = 1;
        t.discCount = 2;
        t.size = quint32(bytes.size());
        t.mediaType = fileName.endsWith(u".m4v"_s) ? 2 : 1;
        t.Str(1, u"夜空ノムコウ"_s)
            .Str(2, u":iPod_Control:Music:F07:"_s + fileName)
            .Str(3, u"ベスト・アルバム"_s)
            .Str(4, u"スガ シカオ & Ünïcode"_s)
            .Str(5, u"J-Pop"_s)
            .Str(8, u"コメント欄"_s)
            .Str(12, u"川村 結花"_s);
        TITunesDBWriter writer;
        writer.FTracks = {t};
        writer.WriteTo(root + u"iPod_Control/iTunes/iTunesDB"_s);
        playerFile = root + u"iPod_Control/Music/F07/"_s + fileName;
        WriteFixtureFile(playerFile, bytes);
        db.LoadFromFile(root + u"iPod_Control/iTunes/iTunesDB"_s);
        if (withArtwork) {
            TIthmbWriter thumbs;
            TArtDBThumb small, large;
            const QByteArray smallPixels = EncodeRgb565(PatternImage(40, 30), 40, false);
            const QByteArray largePixels = EncodeRgb565(PatternImage(120, 90), 120, false);
            small.fileName = large.fileName = u":F1028_1.ithmb"_s;
            small.offset = thumbs.Append(smallPixels);
            small.size = quint32(smallPixels.size());
            small.width = 40;
            small.height = 30;
            large.offset = thumbs.Append(largePixels);
            large.size = quint32(largePixels.size());
            large.width = 120;
            large.height = 90;
            TArtworkDBWriter art;
            art.FPictures = {{7, kSongId, std::nullopt, {small, large}}};
            art.WriteTo(root + u"iPod_Control/Artwork/ArtworkDB"_s);
            thumbs.WriteTo(root + u"iPod_Control/Artwork/F1028_1.ithmb"_s);
            artwork.LoadFromFile(root + u"iPod_Control/Artwork/ArtworkDB"_s);
        }
    }

    TCopyReport Copy(bool embed, TRecordingServices &services)
    {
        TRecordingProgress progress;
        TScriptedDialogs dialogs;
        TCopyOptions o;
        o.FFolder = dest;
        o.FNameType = TNamingType::Title;
        o.FEmbedTags = embed;
        o.FArtwork = &artwork;
        return ExtractEntries(db.FSongs, root, {TCopyRow{0, true}}, o, progress, services, dialogs, nullptr);
    }

    QStringList Copies() const
    {
        QStringList files;
        QDirIterator it(dest, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QFileInfo(it.next()).fileName();
        return files;
    }
};

QString Sha1(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

QString Python()
{
    // Debian's interpreter is where python3-mutagen is installed, whatever else is first on the path.
    return QFileInfo::exists(u"/usr/bin/python3"_s) ? u"/usr/bin/python3"_s : u"python3"_s;
}

QJsonObject ReadWithMutagen(const QString &path)
{
    QProcess p;
    p.start(Python(), {QStringLiteral(SORVO_SOURCE_DIR) + u"/tests/tools/mutagen_tags.py"_s, path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {{u"error"_s, QString::fromUtf8(p.readAllStandardError())}};
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QString TagLibText(const TagLib::String &text)
{
    return QString::fromStdString(text.to8Bit(true));
}

/// What TagLib reads back: the same keys as the mutagen script prints.
QVariantMap ReadWithTagLib(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    QVariantMap tags;
    TagLib::PropertyMap properties;
    QStringList pictures;
    if (path.endsWith(u".mp3"_s)) {
        TagLib::MPEG::File file(name.constData(), false);
        if (!file.isValid() || !file.ID3v2Tag())
            return {};
        properties = file.properties();
        for (const auto *frame : file.ID3v2Tag()->frameList("APIC")) {
            const auto *picture = static_cast<const TagLib::ID3v2::AttachedPictureFrame *>(frame);
            pictures << Sha1(QByteArray(picture->picture().data(), int(picture->picture().size())));
        }
        tags[u"version"_s] = u"2.%1"_s.arg(file.ID3v2Tag()->header()->majorVersion());
    } else {
        TagLib::MP4::File file(name.constData(), false);
        if (!file.isValid())
            return {};
        properties = file.properties();
        if (file.tag()->contains("covr"))
            for (const auto &cover : file.tag()->item("covr").toCoverArtList())
                pictures << Sha1(QByteArray(cover.data().data(), int(cover.data().size())));
        tags[u"version"_s] = u"mp4"_s;
    }
    const auto value = [&](const char *key) {
        return properties.contains(key) ? TagLibText(properties[key].front()) : QString();
    };
    tags[u"title"_s] = value("TITLE");
    tags[u"artist"_s] = value("ARTIST");
    tags[u"album"_s] = value("ALBUM");
    tags[u"genre"_s] = value("GENRE");
    tags[u"composer"_s] = value("COMPOSER");
    tags[u"comment"_s] = value("COMMENT");
    tags[u"year"_s] = value("DATE");
    tags[u"track"_s] = value("TRACKNUMBER");
    tags[u"disc"_s] = value("DISCNUMBER");
    tags[u"pictures"_s] = pictures;
    return tags;
}

QByteArray Id3WithPicture(const QByteArray &picture)
{
    return TId3v2Writer(3)
        .Text("TIT2", 1, u"old title"_s)
        .Text("TYER", 0, u"1999"_s)
        .Frame("APIC", QByteArray("\0image/png\0\x03\0", 13) + picture)
        .Build();
}

QByteArray Mp4Song(int mdatBytes)
{
    TMp4Contents mp4;
    mp4.Title = u"old"_s;
    mp4.Duration = 5000;
    mp4.MdatBytes = mdatBytes;
    return Mp4File(mp4);
}

} // namespace

class TstTagEmbedding : public QObject
{
    Q_OBJECT
private slots:
    void copiesCarryTheDatabaseTags_data();
    void copiesCarryTheDatabaseTags();
    void optionOffCopiesStayByteIdentical_data();
    void optionOffCopiesStayByteIdentical();
    void untaggableFileStaysAsCopied_data();
    void untaggableFileStaysAsCopied();
    void untaggedNoteTranslatedOnlyInWindow_data();
    void untaggedNoteTranslatedOnlyInWindow();
    void otherFormatsAreCopiedUntouched_data();
    void otherFormatsAreCopiedUntouched();
    void takenNameIsNeverReplaced();
};

void TstTagEmbedding::copiesCarryTheDatabaseTags_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("ownPicture"); // empty: the file has none and receives the artwork
    const QByteArray audio = MpegAudio(20000);
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(300, 'p');
    QTest::addRow("MP3 without tags") << u"ABCD.mp3"_s << audio << QByteArray();
    QTest::addRow("MP3 with ID3v2.3 and a picture of its own")
        << u"ABCD.mp3"_s << Id3WithPicture(png) + audio << png;
    QTest::addRow("MP3 with ID3v2.4 and ID3v1")
        << u"ABCD.MP3"_s
        << TId3v2Writer(4).Text("TIT2", 3, u"old"_s).Padding(64).Build() + audio +
               Id3v1Tag(u"old"_s, u"old"_s, {}, u"1999"_s, {}, 1)
        << QByteArray();
    QTest::addRow("MPEG-4 audio") << u"ABCD.m4a"_s << Mp4Song(4000) << QByteArray();
    QTest::addRow("MPEG-4 video") << u"EFGH.m4v"_s << Mp4Song(9000) << QByteArray();
}

void TstTagEmbedding::copiesCarryTheDatabaseTags()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, ownPicture);
    TTaggedPlayer player(fileName, bytes);
    TRecordingServices services;
    const TCopyReport result = player.Copy(true, services);
    QCOMPARE(result.FCopied, 1);
    QCOMPARE(services.FTransferLogs, 0);
    QCOMPARE(ReadFixtureFile(player.playerFile), bytes); // the player's file is never written
    const QString extension = QFileInfo(fileName).suffix();
    const QString copy = player.dest + u"夜空ノムコウ."_s + extension;
    QCOMPARE(player.Copies(), QStringList{QFileInfo(copy).fileName()}); // no temporary file left

    const QByteArray artwork = TTagEmbedder::ArtworkJpeg(player.artwork, player.db.FSongs.Items(0).FDBID);
    QCOMPARE(DecodeJpeg(artwork).size(), QSize(120, 90)); // the largest thumbnail
    const QString picture = Sha1(ownPicture.isEmpty() ? artwork : ownPicture);
    const bool mp3 = extension.compare(u"mp3"_s, Qt::CaseInsensitive) == 0;

    const QVariantMap expected = {
        {u"version"_s, mp3 ? u"2.4"_s : u"mp4"_s},
        {u"title"_s, u"夜空ノムコウ"_s},
        {u"artist"_s, u"スガ シカオ & Ünïcode"_s},
        {u"album"_s, u"ベスト・アルバム"_s},
        {u"genre"_s, u"J-Pop"_s},
        {u"composer"_s, u"川村 結花"_s},
        {u"comment"_s, u"コメント欄"_s},
        {u"year"_s, u"2007"_s},
        {u"track"_s, u"3/12"_s},
        {u"disc"_s, u"1/2"_s},
        {u"pictures"_s, QStringList{picture}},
    };
    // Path names on the PC may be anything: read the copy under a plain name too.
    const QString plain = player.dir.filePath(u"copy."_s + extension.toLower());
    QVERIFY(QFile::copy(copy, plain));
    const QVariantMap byTagLib = ReadWithTagLib(plain);
    const QVariantMap byMutagen = ReadWithMutagen(plain).toVariantMap();
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QCOMPARE(byTagLib.value(it.key()).toStringList(), it.value().toStringList());
        QVERIFY2(byMutagen.contains(it.key()), QJsonDocument::fromVariant(byMutagen).toJson().constData());
        QCOMPARE(byMutagen.value(it.key()).toStringList(), it.value().toStringList());
    }
    if (mp3) {
        QCOMPARE(byMutagen.value(u"encodings"_s).toList(), QVariantList{3}); // UTF-8 throughout
        // Sorvo's own reader finds the year of the 2.4 tag.
        TMP3Tag tag;
        TKiruMP3TagReader().ReadFromFile(plain, tag);
        QCOMPARE(tag.Year, u"2007"_s);
        QCOMPARE(tag.Title, u"夜空ノムコウ"_s);
    }
}

void TstTagEmbedding::optionOffCopiesStayByteIdentical_data()
{
    copiesCarryTheDatabaseTags_data();
}

void TstTagEmbedding::optionOffCopiesStayByteIdentical()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    TTaggedPlayer player(fileName, bytes);
    TRecordingServices services;
    QCOMPARE(player.Copy(false, services).FCopied, 1);
    QCOMPARE(ReadFixtureFile(player.dest + u"夜空ノムコウ."_s + QFileInfo(fileName).suffix()), bytes);
}

void TstTagEmbedding::untaggableFileStaysAsCopied_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::addRow("MP3 without audio frames")
        << u"ABCD.mp3"_s << QByteArray(5000, 'x') << u"MP3 ファイルとして読めません"_s;
    QTest::addRow("MPEG-4 without a movie atom")
        << u"ABCD.m4a"_s << Mp4Atom("ftyp", "M4A \0\0\0\0M4A ") + Mp4Atom("mdat", QByteArray(500, 'a'))
        << u"MPEG-4 ファイルとして読めません"_s;
    QTest::addRow("empty MP3") << u"ABCD.mp3"_s << QByteArray() << u"MP3 ファイルとして読めません"_s;
}

void TstTagEmbedding::untaggableFileStaysAsCopied()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TTaggedPlayer player(fileName, bytes);
    TRecordingServices services;
    const TCopyReport result = player.Copy(true, services);
    QCOMPARE(result.FCopied, 1);
    QCOMPARE(result.FFailed, 0);
    const QString copy = u"夜空ノムコウ."_s + QFileInfo(fileName).suffix();
    QCOMPARE(player.Copies(), QStringList{copy});
    QCOMPARE(ReadFixtureFile(player.dest + copy), bytes);
    // The transfer log says why the copy has no tags.
    QCOMPARE(services.FTransferLogs, 1);
    const QList<TTransferLogRow> rows = TransferLogRows(player.db.FSongs, result);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().FErrorText, u"コピーしましたがタグを書き込めませんでした (%1)"_s.arg(reason));
    QCOMPARE(rows.first().FTitle, u"夜空ノムコウ"_s);
}

void TstTagEmbedding::untaggedNoteTranslatedOnlyInWindow_data()
{
    untaggableFileStaysAsCopied_data();
}

void TstTagEmbedding::untaggedNoteTranslatedOnlyInWindow()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TTaggedPlayer player(fileName, bytes);
    TRecordingServices services;
    TMarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const TCopyReport result = player.Copy(true, services);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(result.FOutcomes.size(), 1);
    const TCopyOutcome &outcome = result.FOutcomes.first();
    QCOMPARE(outcome.FShownNote,
             u"EN:コピーしましたがタグを書き込めませんでした (%s)"_s.replace(u"%s"_s, u"EN:"_s + reason));
    // The log file keeps the untranslated note.
    QCOMPARE(outcome.FNote, u"コピーしましたがタグを書き込めませんでした (%1)"_s.arg(reason));
    QCOMPARE(TransferLogRows(player.db.FSongs, result).first().FErrorText, outcome.FNote);
}

void TstTagEmbedding::otherFormatsAreCopiedUntouched_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("WAVE") << u"ABCD.wav"_s << RiffFile(3000);
    QTest::addRow("AIFF") << u"ABCD.aif"_s
                          << QByteArray("FORM\0\0\0\x04"
                                        "AIFF",
                                        12);
    QTest::addRow("MP3 data under another name") << u"ABCD.aa"_s << MpegAudio(8000);
}

void TstTagEmbedding::otherFormatsAreCopiedUntouched()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    TTaggedPlayer player(fileName, bytes);
    TRecordingServices services;
    const TCopyReport result = player.Copy(true, services);
    QCOMPARE(result.FCopied, 1);
    QCOMPARE(ReadFixtureFile(player.dest + u"夜空ノムコウ."_s + QFileInfo(fileName).suffix()), bytes);
    QCOMPARE(services.FTransferLogs, 0);
    QVERIFY(result.FOutcomes.first().FNote.isEmpty());
}

void TstTagEmbedding::takenNameIsNeverReplaced()
{
    // A file already standing under the name keeps its bytes; the tagged copy takes the next free name.
    TTaggedPlayer player(u"ABCD.mp3"_s, MpegAudio(20000), false);
    QVERIFY(WriteFixtureFile(player.dest + u"夜空ノムコウ.mp3"_s, "mine"));
    TRecordingServices services;
    QCOMPARE(player.Copy(true, services).FCopied, 1);
    QCOMPARE(ReadFixtureFile(player.dest + u"夜空ノムコウ.mp3"_s), QByteArray("mine"));
    QStringList copies = player.Copies();
    copies.sort();
    QCOMPARE(copies, (QStringList{u"夜空ノムコウ(2).mp3"_s, u"夜空ノムコウ.mp3"_s}));
    QCOMPARE(ReadWithTagLib(player.dest + u"夜空ノムコウ(2).mp3"_s).value(u"pictures"_s).toStringList(),
             QStringList());
    QCOMPARE(ReadWithTagLib(player.dest + u"夜空ノムコウ(2).mp3"_s).value(u"title"_s).toString(),
             u"夜空ノムコウ"_s);
}

QTEST_GUILESS_MAIN(TstTagEmbedding)
#include "tst_tagembedding.moc"
