#include "common/pictures.h"

#include <QTest>

class TstPictures : public QObject
{
    Q_OBJECT
private slots:
    void fittedRect_data();
    void fittedRect();
    void drawFitted();
};

void TstPictures::fittedRect_data()
{
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QRect>("expected");
    QTest::addRow("wide into video box") << QSize(90, 60) << QSize(200, 100) << QRect(0, 7, 90, 45);
    QTest::addRow("tall") << QSize(90, 60) << QSize(100, 200) << QRect(30, 0, 30, 60);
    QTest::addRow("square into square") << QSize(87, 87) << QSize(300, 300) << QRect(0, 0, 87, 87);
    QTest::addRow("tall but box narrower") << QSize(20, 100) << QSize(50, 60) << QRect(0, 38, 20, 24);
}

void TstPictures::fittedRect()
{
    QFETCH(QSize, box);
    QFETCH(QSize, source);
    QFETCH(QRect, expected);
    QCOMPARE(FittedRect(box.width(), box.height(), source.width(), source.height()), expected);
}

void TstPictures::drawFitted()
{
    QImage source(200, 100, QImage::Format_RGB32);
    source.fill(Qt::red);
    QImage dest(100, 80, QImage::Format_RGB32);
    dest.fill(Qt::blue);
    DrawFitted(dest, 5, 10, 90, 60, Qt::white, source);
    QCOMPARE(dest.pixel(0, 0), qRgb(0, 0, 255));               // outside the box
    QCOMPARE(dest.pixel(5 + 45, 10 + 3), qRgb(255, 255, 255)); // background above the picture
    QCOMPARE(dest.pixel(5 + 45, 10 + 30), qRgb(255, 0, 0));    // the picture
    QCOMPARE(dest.pixel(5 + 45, 10 + 56), qRgb(255, 255, 255));
}

QTEST_GUILESS_MAIN(TstPictures)
#include "tst_pictures.moc"
