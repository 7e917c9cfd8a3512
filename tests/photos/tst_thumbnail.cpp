#include "photos/artworkdbloader.h"
#include "photos/picfilters.h"
#include "photos/thumbnail.h"

#include "artworkdbwriter.h"
#include "fixturefiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstThumbnail : public QObject
{
    Q_OBJECT

private slots:
    void byteOrder_data();
    void byteOrder();
    void shortDataLeavesRowsBlack();
    void layouts_data();
    void layouts();
    void rotate90();
    void rotate90Depths_data();
    void rotate90Depths();
    void loadBitmapFromFiles();
    void refusedLayouts_data();
    void refusedLayouts();
};

namespace {

/// A thumbnail served from bytes in memory.
TArtImageObject Thumbnail(const QByteArray &file, qint64 offset, qint64 size, int width, int height,
                          int dataWidth, bool crop)
{
    TArtImageObject image;
    image.FFileName = u"/Thumbs/F1.ithmb"_s;
    image.FOffset = offset;
    image.FSize = size;
    image.FWidth = width;
    image.FHeight = height;
    image.FDataWidth = dataWidth;
    image.FDataHeight = height;
    image.FCropNeeded = crop;
    image.FOnGetStream = [file](const QString &) -> std::unique_ptr<QIODevice> {
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(file);
        buffer->open(QIODevice::ReadOnly);
        return buffer;
    };
    return image;
}

} // namespace

void TstThumbnail::byteOrder_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("bigEndian");
    QTest::addColumn<QRgb>("colour");
    QTest::addRow("00 F8 little-endian") << QByteArray("\x00\xF8", 2) << false << qRgb(248, 0, 0);
    QTest::addRow("00 F8 big-endian") << QByteArray("\x00\xF8", 2) << true << qRgb(0, 28, 192);
    QTest::addRow("FFFF") << QByteArray("\xFF\xFF", 2) << false << qRgb(248, 252, 248);
    QTest::addRow("0000") << QByteArray("\x00\x00", 2) << true << qRgb(0, 0, 0);
    QTest::addRow("green only LE") << QByteArray("\xE0\x07", 2) << false << qRgb(0, 252, 0);
    QTest::addRow("blue only BE") << QByteArray("\x00\x1F", 2) << true << qRgb(0, 0, 248);
}

void TstThumbnail::byteOrder()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, bigEndian);
    QFETCH(QRgb, colour);
    const QImage picture = DecodeRgb565(bytes, 1, 1, bigEndian);
    QCOMPARE(picture.format(), QImage::Format_RGB32);
    QCOMPARE(picture.pixel(0, 0) & 0xFFFFFF, colour & 0xFFFFFF);
}

void TstThumbnail::shortDataLeavesRowsBlack()
{
    const QImage source = PatternImage(10, 6);
    // Two and a half rows of data: two rows are filled.
    const QByteArray bytes = EncodeRgb565(source, 10, false).left(10 * 2 * 2 + 10);
    const QImage picture = DecodeRgb565(bytes, 10, 6, false);
    QCOMPARE(picture.size(), QSize(10, 6));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x)
            QCOMPARE(picture.pixel(x, y), y < 2 ? Rgb565Rounded(source.pixel(x, y)) : qRgb(0, 0, 0));
}

void TstThumbnail::layouts_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("dataWidth");
    QTest::addColumn<bool>("crop");
    QTest::addColumn<bool>("bigEndian");
    QTest::addColumn<int>("sizeOverride"); // 0: the data's size
    QTest::addColumn<QSize>("expectedSize");
    QTest::addColumn<int>("blackColumnsFrom"); // -1: none
    QTest::addRow("little-endian plain") << 40 << 30 << 40 << false << false << 0 << QSize(40, 30) << -1;
    QTest::addRow("46464 big-endian") << 132 << 176 << 132 << false << true << 0 << QSize(132, 176) << -1;
    QTest::addRow("77440 with width 176 is little-endian")
        << 176 << 220 << 176 << false << false << 0 << QSize(176, 220) << -1;
    QTest::addRow("41 from rows of 42") << 41 << 30 << 42 << true << false << 0 << QSize(41, 30) << -1;
    QTest::addRow("41 from rows of 40: black last column")
        << 41 << 30 << 40 << true << false << 0 << QSize(41, 30) << 40;
}

void TstThumbnail::layouts()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, dataWidth);
    QFETCH(bool, crop);
    QFETCH(bool, bigEndian);
    QFETCH(QSize, expectedSize);
    QFETCH(int, blackColumnsFrom);
    const QImage source = PatternImage(dataWidth, height);
    const QByteArray pixels = EncodeRgb565(source, dataWidth, bigEndian);
    const QByteArray file = QByteArray(16, 'x') + pixels;
    TArtImageObject image = Thumbnail(file, 16, pixels.size(), width, height, dataWidth, crop);
    const QImage picture = image.Bitmap();
    QCOMPARE(picture.size(), expectedSize);
    for (int y = 0; y < expectedSize.height(); ++y)
        for (int x = 0; x < expectedSize.width(); ++x) {
            const QRgb want = blackColumnsFrom >= 0 && x >= blackColumnsFrom
                                  ? qRgb(0, 0, 0)
                                  : Rgb565Rounded(source.pixel(x, y));
            if (picture.pixel(x, y) != want)
                QFAIL(qPrintable(u"pixel %1,%2"_s.arg(x).arg(y)));
        }
}

void TstThumbnail::rotate90()
{
    // 77440 bytes and a width other than 176: big-endian 176 × 220, turned clockwise to 220 × 176.
    const QImage upright = PatternImage(176, 220);
    const QByteArray pixels = EncodeRgb565(upright, 176, true);
    QCOMPARE(pixels.size(), 77440);
    TArtImageObject image = Thumbnail(pixels, 0, pixels.size(), 220, 176, 220, false);
    const QImage picture = image.Bitmap();
    QCOMPARE(picture.size(), QSize(220, 176));
    for (int row = 0; row < 176; ++row)
        for (int column = 0; column < 220; ++column)
            if (picture.pixel(column, row) != Rgb565Rounded(upright.pixel(row, 219 - column)))
                QFAIL(qPrintable(u"pixel %1,%2"_s.arg(column).arg(row)));

    // Decoded once: a changed file is not read again.
    image.FOnGetStream = [](const QString &) -> std::unique_ptr<QIODevice> {
        qFatal("stream opened twice");
        return nullptr;
    };
    QCOMPARE(image.Bitmap().size(), QSize(220, 176));
}

void TstThumbnail::rotate90Depths_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<bool>("rotates");
    QTest::addRow("32-bit") << QImage::Format_RGB32 << true;
    QTest::addRow("24-bit") << QImage::Format_RGB888 << true;
    QTest::addRow("8-bit") << QImage::Format_Grayscale8 << false;
    QTest::addRow("16-bit") << QImage::Format_RGB16 << false;
}

void TstThumbnail::rotate90Depths()
{
    QFETCH(QImage::Format, format);
    QFETCH(bool, rotates);
    const QImage source = PatternImage(5, 3).convertToFormat(format);
    QImage picture = source;
    TKiruPicFilters filters;
    QList<QPair<int, int>> progress;
    filters.FOnProgress = [&](int index, int count) { progress.append({index, count}); };
    QCOMPARE(filters.Rotate90(picture), rotates);
    if (!rotates) {
        QCOMPARE(picture, source);
        QVERIFY(progress.isEmpty());
        return;
    }
    QCOMPARE(picture.format(), format);
    QCOMPARE(picture.size(), QSize(3, 5));
    for (int c = 0; c < 5; ++c)
        for (int i = 0; i < 3; ++i)
            QCOMPARE(picture.pixel(i, c), source.pixel(c, 2 - i));
    QCOMPARE(progress, (QList<QPair<int, int>>{{0, 3}, {1, 3}, {2, 3}}));
}

void TstThumbnail::loadBitmapFromFiles()
{
    QTemporaryDir dir;
    TIthmbWriter ithmb;
    ithmb.Append(QByteArray(100, '\0'));
    const QImage source = PatternImage(42, 30);
    const quint32 offset = ithmb.Append(EncodeRgb565(source, 42, false));
    QVERIFY(ithmb.WriteTo(dir.filePath(u"Artwork/Thumbs/F1019_1.ithmb"_s)));
    TArtDBThumb thumb;
    thumb.fileName = u":Thumbs:F1019_1.ithmb"_s;
    thumb.offset = offset;
    thumb.size = 42 * 30 * 2;
    thumb.width = 41;
    thumb.height = 30;
    TArtDBThumb missing = thumb;
    missing.fileName = u":Thumbs:F9999_1.ithmb"_s;
    TArtDBThumb outside = thumb;
    outside.fileName = u":..:outside.ithmb"_s;
    QVERIFY(WriteFixtureFile(dir.filePath(u"outside.ithmb"_s), ithmb.FData));
    TArtworkDBWriter w;
    w.FPictures = {{1, 0, std::nullopt, {thumb, missing, outside}}};
    QVERIFY(w.WriteTo(dir.filePath(u"Artwork/ArtworkDB"_s)));

    TArtworkDBLoader loader;
    loader.LoadFromFile(dir.filePath(u"Artwork/ArtworkDB"_s));
    TArtImageObject *image = loader.Items(0).SelectImage(0);
    QVERIFY(image);
    const QImage picture = image->Bitmap();
    QCOMPARE(picture.size(), QSize(41, 30));
    QCOMPARE(picture.pixel(40, 29), Rgb565Rounded(source.pixel(40, 29)));
    for (int i : {1, 2}) {
        TArtImageObject &other = loader.Items(0).FImages.Items(i);
        QVERIFY(other.Bitmap().isNull());
        // A grid repaints often: a thumbnail that was not there is not searched for again.
        other.FOnGetStream = [](const QString &) -> std::unique_ptr<QIODevice> {
            qFatal("a missing thumbnail was looked for again");
            return nullptr;
        };
        QVERIFY(other.Bitmap().isNull());
    }
}

void TstThumbnail::refusedLayouts_data()
{
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addRow("size beyond the file") << qint64(0) << qint64(4000) << 20 << 20;
    QTest::addRow("offset beyond the file") << qint64(900) << qint64(200) << 10 << 10;
    QTest::addRow("huge size") << qint64(0) << qint64(0xFFFFFFFFu) << 20 << 20;
    QTest::addRow("zero size") << qint64(0) << qint64(0) << 20 << 20;
    QTest::addRow("wider than 4096") << qint64(0) << qint64(800) << 5000 << 1;
    QTest::addRow("taller than 4096") << qint64(0) << qint64(800) << 2 << 65535;
    QTest::addRow("zero width") << qint64(0) << qint64(800) << 0 << 20;
    QTest::addRow("negative width") << qint64(0) << qint64(800) << -4 << 20;
}

void TstThumbnail::refusedLayouts()
{
    QFETCH(qint64, offset);
    QFETCH(qint64, size);
    QFETCH(int, width);
    QFETCH(int, height);
    TArtImageObject image = Thumbnail(QByteArray(1000, '\x55'), offset, size, width, height, width, false);
    QVERIFY(image.Bitmap().isNull());
}

QTEST_GUILESS_MAIN(TstThumbnail)
#include "tst_thumbnail.moc"
