#include "photos/artworkdbloader.h"

#include "app/userdialogs.h"
#include "artworkdbwriter.h"
#include "fixturefiles.h"
#include "scripteddialogs.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

class TstArtworkDBLoader : public QObject
{
    Q_OBJECT

private slots:
    void recordWithFullAndThumbnails();
    void rowLength_data();
    void rowLength();
    void selectImage_data();
    void selectImage();
    void albums();
    void albumNames_data();
    void albumNames();
    void sections_data();
    void sections();
    void refusedFiles_data();
    void refusedFiles();
    void wrongTags_data();
    void wrongTags();
    void unknownChunkInRecord_data();
    void unknownChunkInRecord();
    void everyPrefixIsSafe();
    void zeroLengthsEndTheReading_data();
    void zeroLengthsEndTheReading();
    void lookups();
    void openImageStream_data();
    void openImageStream();
};

namespace {

TArtDBThumb Thumb(quint16 width, quint16 height, quint32 size, QString name = u":Thumbs:F1009_1.ithmb"_s)
{
    TArtDBThumb t;
    t.width = width;
    t.height = height;
    t.size = size;
    t.fileName = std::move(name);
    return t;
}

QByteArray Exact(const QByteArray &bytes)
{
    return QByteArray(bytes.constData(), bytes.size());
}

} // namespace

void TstArtworkDBLoader::recordWithFullAndThumbnails()
{
    TArtworkDBWriter w;
    TArtDBPicture p;
    p.imageId = 100;
    p.songId = 0x1122334455667788ull;
    p.fullFile = u":Full Resolution:2005:10:1:IMG_0001.jpg"_s;
    TArtDBThumb a = Thumb(42, 30, 42 * 30 * 2, u":Thumbs:F1019_1.ithmb"_s);
    a.offset = 5000;
    a.format = 1019;
    TArtDBThumb b = Thumb(130, 88, 130 * 88 * 2, u":Thumbs:F1015_1.ithmb"_s);
    b.verticalPadding = 2;
    b.horizontalPadding = -2;
    p.thumbs = {a, b};
    w.FPictures = {p};
    TArtworkDBLoader loader;
    loader.LoadFromStream(w.ToBytes(), u"/base/Artwork"_s);
    QCOMPARE(loader.FBaseDir, u"/base/Artwork/"_s);
    QCOMPARE(loader.Count(), 1);
    const TArtItem &item = loader.Items(0);
    QCOMPARE(item.FImageId, 100u);
    QCOMPARE(item.FSongId, 0x1122334455667788ull);
    QCOMPARE(item.FFullFileName, u"/Full Resolution/2005/10/1/IMG_0001.jpg"_s);
    QCOMPARE(item.FImages.Count(), 2);
    const TArtImageObject &first = item.FImages.Items(0);
    QCOMPARE(first.FFileName, u"/Thumbs/F1019_1.ithmb"_s);
    QCOMPARE(first.FOffset, 5000);
    QCOMPARE(first.FSize, 42 * 30 * 2);
    QCOMPARE(first.FWidth, 42);
    QCOMPARE(first.FHeight, 30);
    QCOMPARE(first.FDataWidth, 42);
    QCOMPARE(first.FCropNeeded, false);
    const TArtImageObject &second = item.FImages.Items(1);
    QCOMPARE(second.FFileName, u"/Thumbs/F1015_1.ithmb"_s);
    QCOMPARE(second.FWidth, 128);
    QCOMPARE(second.FHeight, 90);
    QCOMPARE(second.FDataWidth, 128);
    QCOMPARE(second.FDataHeight, 90);
}

void TstArtworkDBLoader::rowLength_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("padding");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("dataWidth");
    QTest::addColumn<bool>("crop");
    QTest::addRow("41 wide, rows of 40") << 41 << 0 << 30 << 40 * 30 * 2 << 40 << true;
    QTest::addRow("41 wide, rows of 42") << 41 << 0 << 30 << 42 * 30 * 2 << 42 << true;
    QTest::addRow("41 wide, other size: 42") << 41 << 0 << 30 << 1234 << 42 << true;
    QTest::addRow("42 wide") << 42 << 0 << 30 << 40 * 30 * 2 << 42 << false;
    QTest::addRow("padding makes it odd") << 40 << 1 << 30 << 40 * 30 * 2 << 40 << true;
    QTest::addRow("padding makes it even") << 41 << 1 << 30 << 1 << 42 << false;
}

void TstArtworkDBLoader::rowLength()
{
    QFETCH(int, width);
    QFETCH(int, padding);
    QFETCH(int, height);
    QFETCH(int, size);
    QFETCH(int, dataWidth);
    QFETCH(bool, crop);
    TArtDBThumb t = Thumb(quint16(width), quint16(height), quint32(size));
    t.horizontalPadding = qint16(padding);
    TArtworkDBWriter w;
    w.FPictures = {{1, 0, std::nullopt, {t}}};
    TArtworkDBLoader loader;
    loader.LoadFromStream(w.ToBytes(), u"/x"_s);
    const TArtImageObject &image = loader.Items(0).FImages.Items(0);
    QCOMPARE(image.FWidth, width + padding);
    QCOMPARE(image.FDataWidth, dataWidth);
    QCOMPARE(image.FDataHeight, height);
    QCOMPARE(image.FCropNeeded, crop);
}

void TstArtworkDBLoader::selectImage_data()
{
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("expected"); // index, -1 for none
    const QList<int> three = {130, 42, 176};
    const QList<int> plain = {1000, 1000, 1000};
    QTest::addRow("-1 narrowest") << three << plain << -1 << 1;
    QTest::addRow("0 widest") << three << plain << 0 << 2;
    QTest::addRow("150 picks 130") << three << plain << 150 << 0;
    QTest::addRow("130 exactly") << three << plain << 130 << 0;
    QTest::addRow("150 with 176 and 220: none") << QList<int>{176, 220} << QList<int>{1, 1} << 150 << -1;
    QTest::addRow("691200 left out") << three << QList<int>{1000, 1000, 691200} << 0 << 0;
    QTest::addRow("first of equals, widest") << QList<int>{50, 50} << QList<int>{1, 2} << 0 << 0;
    QTest::addRow("first of equals, narrowest") << QList<int>{50, 50} << QList<int>{1, 2} << -1 << 0;
    QTest::addRow("first of equals, bounded") << QList<int>{50, 50} << QList<int>{1, 2} << 60 << 0;
    QTest::addRow("no thumbnails") << QList<int>{} << QList<int>{} << 0 << -1;
    QTest::addRow("only 691200") << QList<int>{720} << QList<int>{691200} << -1 << -1;
}

void TstArtworkDBLoader::selectImage()
{
    QFETCH(QList<int>, widths);
    QFETCH(QList<int>, sizes);
    QFETCH(int, request);
    QFETCH(int, expected);
    TArtItem item;
    for (qsizetype i = 0; i < widths.size(); ++i) {
        TArtImageObject &image = item.FImages.AddNew();
        image.FDataWidth = widths[i];
        image.FSize = sizes[i];
    }
    const TArtImageObject *chosen = item.SelectImage(request);
    QCOMPARE(chosen, expected < 0 ? nullptr : &item.FImages.Items(expected));
}

void TstArtworkDBLoader::albums()
{
    TArtworkDBWriter w;
    w.FPictures = {{1, 0, std::nullopt, {}}};
    w.FAlbums = {{u"ライブラリ"_s, 1, {1, 2, 3}},
                 {u"旅行"_s, 2, {1}},
                 {u"旅行"_s, 2, {2, 3}},
                 {u"Name last"_s, 2, {7, 8}, 1, true}};
    TArtworkDBLoader loader;
    loader.LoadFromStream(w.ToBytes(), u"/x"_s);
    const QList<TAlbumRow> rows = loader.FAlbums.AlbumRows();
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0].FName, u"ライブラリ"_s);
    QCOMPARE(rows[0].FKind, 1);
    QCOMPARE(rows[2].FKind, 2);
    QCOMPARE(rows[3].FName, u"Name last"_s);
    QStringList ids{u"keep"_s};
    loader.FAlbums.GetAlbumImageIds(u"旅行"_s, ids);
    QCOMPARE(ids, QStringList({u"2"_s, u"3"_s}));
    loader.FAlbums.GetAlbumImageIds(u"Name last"_s, ids);
    QCOMPARE(ids, QStringList({u"7"_s, u"8"_s}));
    loader.FAlbums.GetAlbumImageIds(QString(), ids);
    QCOMPARE(ids, QStringList({u"7"_s, u"8"_s}));
    loader.FAlbums.GetAlbumImageIds(u"unknown"_s, ids);
    QCOMPARE(ids, QStringList({u"7"_s, u"8"_s}));
}

void TstArtworkDBLoader::albumNames_data()
{
    QTest::addColumn<quint32>("encoding");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addRow("UTF-8") << 1u << u"夏の写真 Été"_s << u"夏の写真 Été"_s;
    QTest::addRow("UTF-16LE as 0") << 0u << u"夏の写真"_s << u"夏の写真"_s;
    QTest::addRow("UTF-16LE as 2") << 2u << u"夏の写真"_s << u"夏の写真"_s;
    QTest::addRow("encoding 7 empty") << 7u << u"夏"_s << QString();
    QTest::addRow("empty name") << 1u << QString() << QString();
}

void TstArtworkDBLoader::albumNames()
{
    QFETCH(quint32, encoding);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    TArtworkDBWriter w;
    w.FAlbums = {{name, 2, {5}, encoding}};
    TArtworkDBLoader loader;
    loader.LoadFromStream(w.ToBytes(), u"/x"_s);
    QCOMPARE(loader.FAlbums.Count(), 1);
    QCOMPARE(loader.FAlbums.Items(0).FName, expected);
    QCOMPARE(loader.FAlbums.Items(0).FItems, QList<quint32>{5});
}

void TstArtworkDBLoader::sections_data()
{
    QTest::addColumn<QList<quint32>>("sections");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("albums");
    QTest::addRow("pictures, albums, files") << QList<quint32>{1, 2, 3} << 2 << 1;
    QTest::addRow("file list ends the reading") << QList<quint32>{3, 1, 2} << 0 << 0;
    QTest::addRow("file list between") << QList<quint32>{1, 3, 2} << 2 << 0;
    QTest::addRow("unknown section type passed") << QList<quint32>{9, 2, 1} << 2 << 1;
    QTest::addRow("albums first") << QList<quint32>{2, 1} << 2 << 1;
}

void TstArtworkDBLoader::sections()
{
    QFETCH(QList<quint32>, sections);
    QFETCH(int, items);
    QFETCH(int, albums);
    TArtworkDBWriter w;
    w.FPictures = {{1, 0, std::nullopt, {}}, {2, 0, std::nullopt, {}}};
    w.FAlbums = {{u"A"_s, 1, {1, 2}}};
    w.FSections = sections;
    TArtworkDBLoader loader;
    loader.LoadFromStream(w.ToBytes(), u"/x"_s);
    QCOMPARE(loader.Count(), items);
    QCOMPARE(loader.FAlbums.Count(), albums);

    // A picture list of count 0 yields no items; the albums after it are still read.
    w.FSections = {1, 2};
    w.FPictureCount = 0;
    loader.LoadFromStream(w.ToBytes(), u"/x"_s);
    QCOMPARE(loader.Count(), 0);
    QCOMPARE(loader.FAlbums.Count(), 1);
}

void TstArtworkDBLoader::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    TArtworkDBWriter w;
    w.FPictures = {{1, 0, std::nullopt, {}}};
    const QByteArray good = w.ToBytes();
    QTest::addRow("empty") << QByteArray() << u"ファイルが不正です"_s;
    QTest::addRow("100 bytes") << good.left(100) << u"ファイルが不正です"_s;
    QByteArray other = good;
    other.replace(0, 4, "mhbd");
    QTest::addRow("not mhfd") << other << u"ArtwokDBではないファイルが読み込まれました"_s;
    QTest::addRow("101 bytes read quietly") << good.left(101) << QString();
}

void TstArtworkDBLoader::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    TScriptedDialogs dialogs;
    TArtworkDBLoader loader(&dialogs);
    loader.LoadFromStream(Exact(bytes), u"/x"_s);
    QCOMPARE(loader.Count(), 0);
    QCOMPARE(dialogs.Texts(u"warning"_s), message.isEmpty() ? QStringList() : QStringList{message});
}

void TstArtworkDBLoader::wrongTags_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("items");
    QTest::addRow("list") << QByteArray("mhli") << 0 << u"MHLIヘッダが読み取れません - \"mhlX\""_s << 0;
    QTest::addRow("second record") << QByteArray("mhii") << 1 << u"MHIIヘッダが読み取れません - \"mhiX\""_s
                                   << 1;
    QTest::addRow("album list") << QByteArray("mhla") << 0 << u"MHLAヘッダが読み取れません - \"mhlX\""_s << 2;
    QTest::addRow("album") << QByteArray("mhba") << 0 << u"MHBAヘッダが読み取れません - \"mhbX\""_s << 2;
}

void TstArtworkDBLoader::wrongTags()
{
    QFETCH(QByteArray, from);
    QFETCH(int, occurrence);
    QFETCH(QString, message);
    QFETCH(int, items);
    TArtworkDBWriter w;
    w.FPictures = {{1, 0, std::nullopt, {}}, {2, 0, std::nullopt, {}}};
    w.FAlbums = {{u"A"_s, 1, {1, 2}}};
    QByteArray bytes = w.ToBytes();
    qsizetype at = -1;
    for (int i = 0; i <= occurrence; ++i)
        at = bytes.indexOf(from, at + 1);
    bytes[at + 3] = 'X';
    TArtworkDBLoader loader;
    try {
        loader.LoadFromStream(bytes, u"/x"_s);
        QFAIL("no exception");
    } catch (const TArtDBException &e) {
        QCOMPARE(e.Message(), message);
    }
    QCOMPARE(loader.Count(), items);
}

void TstArtworkDBLoader::unknownChunkInRecord_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<int>("thumbnails");
    QTest::addRow("stepped over inside the record") << TArtworkDBWriter::RawChunk("mhzz", 12, 40) << 1;
    QTest::addRow("zero length ends the record") << TArtworkDBWriter::RawChunk("mhzz", 12, 0) << 0;
    QTest::addRow("length past the record ends it") << TArtworkDBWriter::RawChunk("mhzz", 12, 100000) << 0;
}

void TstArtworkDBLoader::unknownChunkInRecord()
{
    QFETCH(QByteArray, chunk);
    QFETCH(int, thumbnails);
    TArtDBPicture p{1, 0, std::nullopt, {Thumb(10, 10, 200)}};
    p.leadingChildren = chunk + QByteArray(qMax(0, 40 - int(chunk.size())), '\0');
    TArtDBPicture next{2, 0, std::nullopt, {Thumb(10, 10, 200)}};
    TArtworkDBWriter w;
    w.FPictures = {p, next};
    TArtworkDBLoader loader;
    loader.LoadFromStream(w.ToBytes(), u"/x"_s);
    QCOMPARE(loader.Count(), 2);
    QCOMPARE(loader.Items(0).FImages.Count(), thumbnails);
    QCOMPARE(loader.Items(1).FImages.Count(), 1);
}

void TstArtworkDBLoader::everyPrefixIsSafe()
{
    TArtworkDBWriter w;
    TArtDBPicture p{7, 99, u":F:a.jpg"_s, {Thumb(41, 30, 40 * 30 * 2), Thumb(10, 10, 200)}};
    w.FPictures = {p, p};
    w.FAlbums = {{u"A"_s, 1, {7}}, {u"B"_s, 2, {7, 7}}};
    const QByteArray bytes = w.ToBytes();
    int lastCount = 0;
    for (qsizetype n = 101; n <= bytes.size(); ++n) {
        TArtworkDBLoader loader;
        try {
            loader.LoadFromStream(Exact(bytes.left(n)), u"/x"_s);
        } catch (const TArtDBException &) {
            QFAIL(qPrintable(u"exception at length %1"_s.arg(n)));
        }
        QVERIFY(loader.Count() >= lastCount);
        lastCount = loader.Count();
    }
    QCOMPARE(lastCount, 2);
}

void TstArtworkDBLoader::zeroLengthsEndTheReading_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<int>("field"); // 4 header length, 8 total length
    QTest::addRow("mhfd header") << QByteArray("mhfd") << 4;
    QTest::addRow("mhsd total") << QByteArray("mhsd") << 8;
    QTest::addRow("mhsd header") << QByteArray("mhsd") << 4;
    QTest::addRow("mhii total") << QByteArray("mhii") << 8;
    QTest::addRow("mhii header") << QByteArray("mhii") << 4;
    QTest::addRow("mhni header") << QByteArray("mhni") << 4;
    QTest::addRow("container header") << QByteArray("mhod") << 4;
    QTest::addRow("mhba total") << QByteArray("mhba") << 8;
    QTest::addRow("mhia header") << QByteArray("mhia") << 4;
}

void TstArtworkDBLoader::zeroLengthsEndTheReading()
{
    QFETCH(QByteArray, tag);
    QFETCH(int, field);
    TArtworkDBWriter w;
    w.FPictures = {{1, 0, u":a"_s, {Thumb(10, 10, 200)}}};
    w.FAlbums = {{u"A"_s, 1, {1, 2}}, {u"B"_s, 1, {1}}};
    QByteArray bytes = w.ToBytes();
    const qsizetype at = bytes.indexOf(tag);
    qToLittleEndian<quint32>(0, bytes.data() + at + field);
    TArtworkDBLoader loader;
    try {
        loader.LoadFromStream(bytes, u"/x"_s); // must return, not loop
    } catch (const TArtDBException &) {
    }
    QVERIFY(loader.Count() <= 1);
}

void TstArtworkDBLoader::lookups()
{
    TArtworkDBWriter w;
    w.FPictures = {{10, 0x0000000500000004ull, std::nullopt, {}},
                   {20, 0x0000000500000004ull, std::nullopt, {}},
                   {10, 77, std::nullopt, {}}};
    TArtworkDBLoader loader;
    loader.LoadFromStream(w.ToBytes(), u"/x"_s);
    QCOMPARE(loader.FindBySongId(4, 5), &loader.Items(0));
    QCOMPARE(loader.FindBySongId(77, 0), &loader.Items(2));
    QCOMPARE(loader.FindBySongId(5, 4), nullptr);
    QCOMPARE(loader.FindByImageId(10), &loader.Items(2));
    QCOMPARE(loader.FindByImageId(30), nullptr);
    QStringList ids{u"old"_s};
    loader.ListImageIds(ids);
    QCOMPARE(ids, QStringList({u"10"_s, u"20"_s, u"10"_s}));
    for (int index : {3, -1}) {
        try {
            loader.Items(index);
            QFAIL("no exception");
        } catch (const TArtDBException &e) {
            QCOMPARE(e.Message(), u"アイテム番号%1にはアイテムが存在しません"_s.arg(index));
        }
    }
    QVERIFY_THROWS_EXCEPTION(TArtDBException, loader.Items(0).FImages.Items(0));
    loader.Clear();
    QCOMPARE(loader.Count(), 0);
}

void TstArtworkDBLoader::openImageStream_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("opens");
    QTest::addRow("plain") << u"/Thumbs/F1009_1.ithmb"_s << true;
    QTest::addRow("no leading separator") << u"Thumbs/F1009_1.ithmb"_s << true;
    QTest::addRow("other case") << u"/thumbs/f1009_1.ITHMB"_s << true;
    QTest::addRow("inner dot-dot staying inside") << u"/Thumbs/../Thumbs/F1009_1.ithmb"_s << true;
    QTest::addRow("missing") << u"/Thumbs/F9999_1.ithmb"_s << false;
    QTest::addRow("climbs out") << u"/../secret.txt"_s << false;
    QTest::addRow("climbs out deeper") << u"/Thumbs/../../secret.txt"_s << false;
    QTest::addRow("folder") << u"/Thumbs"_s << false;
    QTest::addRow("empty") << QString() << false;
}

void TstArtworkDBLoader::openImageStream()
{
    QFETCH(QString, name);
    QFETCH(bool, opens);
    QTemporaryDir dir;
    QVERIFY(WriteFixtureFile(dir.filePath(u"secret.txt"_s), "secret"));
    QVERIFY(WriteFixtureFile(dir.filePath(u"Artwork/Thumbs/F1009_1.ithmb"_s), "pixels"));
    TArtworkDBWriter w;
    QVERIFY(w.WriteTo(dir.filePath(u"Artwork/ArtworkDB"_s)));
    TArtworkDBLoader loader;
    loader.LoadFromFile(dir.filePath(u"Artwork/ArtworkDB"_s));
    QCOMPARE(loader.FBaseDir, dir.filePath(u"Artwork/"_s));
    const std::unique_ptr<QIODevice> stream = loader.OpenImageStream(name);
    QCOMPARE(bool(stream), opens);
    if (stream)
        QCOMPARE(stream->readAll(), QByteArray("pixels"));
}

QTEST_GUILESS_MAIN(TstArtworkDBLoader)
#include "tst_artworkdbloader.moc"
