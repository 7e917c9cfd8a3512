#include "photos/photoviewer.h"

#include "app/userdialogs.h"
#include "photos/artworkdbloader.h"
#include "photos/jpegio.h"
#include "scripteddialogs.h"

#include "artworkdbwriter.h"
#include "fixturefiles.h"
#include "photoplayer.h"

#include <QTemporaryDir>
#include <QBuffer>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstPhotoViewer : public QObject
{
    Q_OBJECT

private slots:
    void fit_data();
    void fit();
    void jpegRoundTrip();
    void jpegRejectsDamagedData_data();
    void jpegRejectsDamagedData();
    void open_data();
    void open();
    void rowsAndStepping();
    void render();
    void saveCopy_data();
    void saveCopy();
};

void TstPhotoViewer::fit_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<QRect>("rect");
    QTest::addRow("landscape too high") << QSize(1600, 1200) << QSize(640, 400) << QRect(53, 0, 533, 400);
    QTest::addRow("landscape fits width") << QSize(1600, 900) << QSize(640, 400) << QRect(0, 20, 640, 360);
    QTest::addRow("portrait") << QSize(600, 800) << QSize(640, 400) << QRect(170, 0, 300, 400);
    QTest::addRow("portrait too wide") << QSize(99, 100) << QSize(40, 100) << QRect(0, 30, 40, 40);
    QTest::addRow("small picture enlarged") << QSize(16, 12) << QSize(640, 400) << QRect(53, 0, 533, 400);
    QTest::addRow("square") << QSize(100, 100) << QSize(300, 200) << QRect(50, 0, 200, 200);
    QTest::addRow("no width") << QSize(0, 100) << QSize(300, 200) << QRect();
    QTest::addRow("no height") << QSize(100, 0) << QSize(300, 200) << QRect();
    QTest::addRow("no canvas") << QSize(100, 100) << QSize(0, 200) << QRect();
    QTest::addRow("negative canvas") << QSize(100, 100) << QSize(-3, -3) << QRect();
    QTest::addRow("huge picture") << QSize(2000000000, 1) << QSize(640, 400) << QRect();
}

void TstPhotoViewer::fit()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, canvas);
    QFETCH(QRect, rect);
    QCOMPARE(PhotoFitRect(picture.width(), picture.height(), canvas.width(), canvas.height()), rect);
}

void TstPhotoViewer::jpegRoundTrip()
{
    const QImage picture = PatternImage(64, 48);
    const QByteArray q90 = EncodeJpeg(picture, 90);
    QVERIFY(q90.startsWith("\xFF\xD8"));
    QVERIFY(EncodeJpeg(picture, 30).size() < q90.size());
    const QImage decoded = DecodeJpeg(q90);
    QCOMPARE(decoded.size(), picture.size());
    QCOMPARE(decoded.format(), QImage::Format_RGB32);
    // Quality 90 keeps a smooth pattern close.
    int worst = 0;
    for (int y = 0; y < 48; y += 7)
        for (int x = 0; x < 64; x += 5)
            worst = std::max(worst, std::abs(qGreen(decoded.pixel(x, y)) - qGreen(picture.pixel(x, y))));
    QVERIFY2(worst < 24, qPrintable(QString::number(worst)));
    // Qt's own reader agrees on the size: the file is an ordinary JPEG.
    QCOMPARE(QImage::fromData(q90, "JPG").size(), picture.size());
    // A grey picture decodes to RGB too.
    const QImage grey = DecodeJpeg(EncodeJpeg(picture.convertToFormat(QImage::Format_Grayscale8), 90));
    QCOMPARE(grey.size(), picture.size());
    QCOMPARE(EncodeJpeg(QImage(), 90), QByteArray());
}

void TstPhotoViewer::jpegRejectsDamagedData_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = EncodeJpeg(PatternImage(32, 32), 90);
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("not a JPEG") << QByteArray("BM not a jpeg at all");
    QTest::addRow("header only") << good.left(20);
    QByteArray huge = good;
    const qsizetype sof = huge.indexOf("\xFF\xC0");
    QVERIFY(sof > 0);
    huge[sof + 5] = char(0xFF); // height 65535 + width: beyond the accepted side
    huge[sof + 6] = char(0xFF);
    QTest::addRow("absurd size") << huge;
}

void TstPhotoViewer::jpegRejectsDamagedData()
{
    QFETCH(QByteArray, data);
    QVERIFY(DecodeJpeg(data).isNull());
}

void TstPhotoViewer::open_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("message");
    QByteArray bmp;
    {
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        PatternImage(30, 20).save(&buffer, "BMP");
    }
    const QByteArray jpeg = EncodeJpeg(PatternImage(30, 20), 90);
    QTest::addRow("jpg") << "a.jpg" << jpeg << true << "";
    QTest::addRow("JPG in capitals") << "A.JPG" << jpeg << true << "";
    QTest::addRow("jpe") << "a.jpe" << jpeg << true << "";
    QTest::addRow("jpeg") << "a.jpeg" << jpeg << true << "";
    QTest::addRow("bmp") << "a.Bmp" << bmp << true << "";
    QTest::addRow("png is not offered") << "a.png" << jpeg << false << "対応できないファイル形式です";
    QTest::addRow("damaged jpeg") << "a.jpg" << QByteArray("garbage") << false
                                  << "対応できないファイル形式です";
    QTest::addRow("missing") << "" << QByteArray() << false << "ファイル[ %1 ]は存在しません";
}

void TstPhotoViewer::open()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(file.isEmpty() ? u"gone.jpg"_s : file);
    if (!file.isEmpty())
        QVERIFY(WriteFixtureFile(path, bytes));
    TScriptedDialogs dialogs;
    TPhotoViewer viewer(dialogs);
    QCOMPARE(viewer.OpenPhoto(path, 0, 1), opens);
    if (opens) {
        QCOMPARE(viewer.FSizeText, u"30x20"_s);
        QCOMPARE(viewer.FFileName, path);
        QVERIFY(dialogs.FCalls.isEmpty());
    } else {
        QCOMPARE(dialogs.Texts(u"warning"_s), QStringList{message.arg(path)});
    }
}

void TstPhotoViewer::rowsAndStepping()
{
    QTemporaryDir dir;
    QList<TFixturePhoto> photos;
    for (quint32 i = 0; i < 3; ++i) {
        TFixturePhoto p;
        p.id = 10 + i;
        p.fullFile = u":Full Resolution:P%1.jpg"_s.arg(i);
        p.fullData = EncodeJpeg(PatternImage(20 + int(i), 10), 90);
        photos << p;
    }
    photos[1].fullFile.clear(); // no full-size file: cannot be opened
    TArtworkDBLoader db;
    db.LoadFromFile(WritePhotoPlayer(dir.path(), photos, {}));
    const QStringList rows = {u"10"_s, u"11"_s, u"12"_s};
    QCOMPARE(PhotoPathForRow(db, rows, 0), dir.filePath(u"Photos/Full Resolution/P0.jpg"_s));
    QCOMPARE(PhotoPathForRow(db, rows, 1), QString());
    QCOMPARE(PhotoPathForRow(db, rows, 3), QString());

    TScriptedDialogs dialogs;
    TPhotoViewer viewer(dialogs);
    int selected = 0;
    viewer.FOnStep = [&](int direction, int &index) {
        const int wanted = selected + direction;
        if (wanted < 0 || wanted >= rows.size())
            return QString();
        selected = index = wanted;
        return PhotoPathForRow(db, rows, wanted);
    };
    QVERIFY(viewer.OpenPhoto(PhotoPathForRow(db, rows, 0), 0, 3));
    QVERIFY(!viewer.FPriorEnabled);
    QVERIFY(viewer.FNextEnabled);
    QVERIFY(!viewer.Step(false)); // nothing before the first row
    QVERIFY(!viewer.Step(true));  // the second photo has no file: the picture stays
    QCOMPARE(viewer.FSizeText, u"20x10"_s);
    QVERIFY(viewer.Step(true));
    QCOMPARE(viewer.FSizeText, u"22x10"_s);
    QVERIFY(viewer.FPriorEnabled);
    QVERIFY(!viewer.FNextEnabled);
}

void TstPhotoViewer::render()
{
    TScriptedDialogs dialogs;
    TPhotoViewer viewer(dialogs);
    viewer.FPicture = QImage(1600, 1200, QImage::Format_RGB32);
    viewer.FPicture.fill(Qt::white);
    const QImage canvas = viewer.Render(QSize(644, 404));
    QCOMPARE(canvas.size(), QSize(640, 400));
    QCOMPARE(canvas.pixel(10, 200), qRgb(0, 0, 0));
    QCOMPARE(canvas.pixel(320, 200), qRgb(255, 255, 255));
    QCOMPARE(canvas.pixel(630, 200), qRgb(0, 0, 0));
    QVERIFY(viewer.Render(QSize(3, 100)).isNull());
    viewer.FPicture = QImage();
    QCOMPARE(viewer.Render(QSize(104, 104)).pixel(50, 50), qRgb(0, 0, 0));
}

void TstPhotoViewer::saveCopy_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QList<TDialogAnswer>>("answers");
    QTest::addColumn<bool>("saved");
    QTest::addRow("new file") << false << QList<TDialogAnswer>{} << true;
    QTest::addRow("replace") << true << QList<TDialogAnswer>{TDialogAnswer::Ok} << true;
    QTest::addRow("keep") << true << QList<TDialogAnswer>{TDialogAnswer::Cancel} << false;
}

void TstPhotoViewer::saveCopy()
{
    QFETCH(bool, exists);
    QFETCH(QList<TDialogAnswer>, answers);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString source = dir.filePath(u"player/P.jpg"_s);
    QVERIFY(WriteFixtureFile(source, EncodeJpeg(PatternImage(8, 8), 90)));
    const QString folder = dir.filePath(u"out"_s);
    QDir().mkpath(folder);
    if (exists)
        QVERIFY(WriteFixtureFile(folder + u"/P.jpg"_s, "old"));
    TScriptedDialogs dialogs;
    dialogs.FAnswers = answers;
    dialogs.FFileAnswers = {{folder}};
    TPhotoViewer viewer(dialogs);
    QVERIFY(viewer.OpenPhoto(source, 0, 1));
    QString exportFolder = u"/start"_s;
    QCOMPARE(viewer.SaveCopy(exportFolder), saved);
    QCOMPARE(exportFolder, folder + u'/');
    QCOMPARE(dialogs.Texts(u"folder"_s), QStringList{u"/start"_s});
    if (exists)
        QCOMPARE(dialogs.Texts(u"okcancel"_s),
                 QStringList{u"同名のファイルが存在します。上書きしてもよろしいですか？"_s});
    QCOMPARE(ReadFixtureFile(folder + u"/P.jpg"_s) == ReadFixtureFile(source), saved);
    if (saved)
        QCOMPARE(dialogs.Texts(u"information"_s),
                 QStringList{u"ファイル[ P.jpg ]を\" %1/ \"に転送しました"_s.arg(folder)});
    QVERIFY(!QFileInfo::exists(folder + u"/P.jpg.part"_s));

    // A copy that fails says so instead of reporting success.
    if (saved) {
        QFile::remove(source);
        dialogs.FFileAnswers = {{folder}};
        dialogs.FAnswers = {TDialogAnswer::Ok};
        QVERIFY(!viewer.SaveCopy(exportFolder));
        QVERIFY(
            dialogs.Texts(u"warning"_s).last().startsWith(u"ファイル[ P.jpg ]を転送できませんでした ("_s));
    }
}

QTEST_GUILESS_MAIN(TstPhotoViewer)
#include "tst_photoviewer.moc"
