// Draws Sorvo's icons into src/gui/resources/icons (run by scripts/make_icons.sh; the PNGs are committed).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {
const QColor kInk(0x3A, 0x3F, 0x4A);

QPen Ink(qreal width = 2.5)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Ipod(QPainter &p)
{
    QLinearGradient g(0, 4, 0, 60);
    g.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    g.setColorAt(1, QColor(0xD8, 0xDC, 0xE2));
    p.setPen(Ink());
    p.setBrush(g);
    p.drawRoundedRect(QRectF(14, 3, 36, 58), 7, 7);
    p.setBrush(QColor(0x7E, 0xB6, 0xE8));
    p.setPen(QPen(kInk, 1.8));
    p.drawRoundedRect(QRectF(19, 8, 26, 19), 2, 2);
    p.setBrush(QColor(0xEE, 0xEF, 0xF2));
    p.drawEllipse(QPointF(32, 44), 11, 11);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(32, 44), 4, 4);
}

void Note(QPainter &p, QColor colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.save();
    p.translate(20, 48);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), 9, 6.5);
    p.restore();
    p.save();
    p.translate(46, 42);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), 9, 6.5);
    p.restore();
    p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(27.5, 46), QPointF(27.5, 12));
    p.drawLine(QPointF(53.5, 40), QPointF(53.5, 6));
    QPainterPath beam;
    beam.moveTo(25.5, 10);
    beam.lineTo(55.5, 4);
    beam.lineTo(55.5, 13);
    beam.lineTo(25.5, 19);
    beam.closeSubpath();
    p.setPen(Qt::NoPen);
    p.drawPath(beam);
}

void Page(QPainter &p, QColor paper, int lines)
{
    QPainterPath page;
    page.moveTo(12, 4);
    page.lineTo(42, 4);
    page.lineTo(52, 14);
    page.lineTo(52, 60);
    page.lineTo(12, 60);
    page.closeSubpath();
    p.setPen(Ink());
    p.setBrush(paper);
    p.drawPath(page);
    p.setBrush(paper.darker(115));
    QPainterPath fold;
    fold.moveTo(42, 4);
    fold.lineTo(42, 14);
    fold.lineTo(52, 14);
    fold.closeSubpath();
    p.drawPath(fold);
    p.setPen(QPen(QColor(0x88, 0x8C, 0x96), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < lines; ++i)
        p.drawLine(QPointF(19, 23 + i * 8), QPointF(i % 2 ? 38 : 45, 23 + i * 8));
}

void News(QPainter &p)
{
    p.setPen(Ink());
    p.setBrush(QColor(0xF7, 0xF7, 0xF4));
    p.drawRoundedRect(QRectF(6, 10, 52, 44), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE0, 0x6C, 0x2C));
    p.drawRect(QRectF(12, 16, 18, 14));
    p.setPen(QPen(QColor(0x70, 0x74, 0x7E), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 2; ++i)
        p.drawLine(QPointF(35, 18 + i * 8), QPointF(52, 18 + i * 8));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(12, 36 + i * 6.5), QPointF(52, 36 + i * 6.5));
}

void Address(QPainter &p)
{
    p.setPen(Ink());
    p.setBrush(QColor(0xE8, 0xF1, 0xFB));
    p.drawRoundedRect(QRectF(4, 12, 56, 40), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x7F, 0xC1));
    p.drawEllipse(QPointF(21, 27), 6.5, 6.5);
    QPainterPath body;
    body.moveTo(10, 46);
    body.cubicTo(10, 34, 32, 34, 32, 46);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(QPen(QColor(0x70, 0x74, 0x7E), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(37, 25), QPointF(53, 25));
    p.drawLine(QPointF(37, 33), QPointF(53, 33));
    p.drawLine(QPointF(37, 41), QPointF(48, 41));
}

void Calendar(QPainter &p)
{
    p.setPen(Ink());
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6, 9, 52, 49), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD9, 0x44, 0x3C));
    p.drawRoundedRect(QRectF(7.3, 10.3, 49.4, 12), 3, 3);
    p.setPen(Ink(3));
    p.drawLine(QPointF(19, 5), QPointF(19, 14));
    p.drawLine(QPointF(45, 5), QPointF(45, 14));
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            p.setBrush(r == 1 && c == 2 ? QColor(0xD9, 0x44, 0x3C) : QColor(0x9A, 0xA0, 0xAA));
            p.drawRect(QRectF(13 + c * 11, 28 + r * 9, 6, 5));
        }
}

void ToDo(QPainter &p)
{
    p.setPen(Ink());
    p.setBrush(QColor(0xF4, 0xEC, 0xD8));
    p.drawRoundedRect(QRectF(10, 8, 44, 52), 4, 4);
    p.setBrush(QColor(0x9A, 0xA0, 0xAA));
    p.drawRoundedRect(QRectF(22, 4, 20, 9), 2, 2);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 22 + i * 12;
        p.setPen(QPen(kInk, 1.8));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(16, y, 8, 8));
        if (i < 2) {
            p.setPen(QPen(QColor(0x2E, 0x9E, 0x4A), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QList<QPointF>{{17, y + 3}, {20, y + 7}, {27, y - 2}});
        }
        p.setPen(QPen(QColor(0x70, 0x74, 0x7E), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(30, y + 4), QPointF(48, y + 4));
    }
}

void Photo(QPainter &p)
{
    p.setPen(Ink());
    p.setBrush(QColor(0xCF, 0xE6, 0xF7));
    p.drawRoundedRect(QRectF(5, 11, 54, 42), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xB8, 0x2C));
    p.drawEllipse(QPointF(44, 23), 5.5, 5.5);
    p.setBrush(QColor(0x4C, 0x9A, 0x52));
    QPainterPath hills;
    hills.moveTo(7, 51);
    hills.lineTo(22, 30);
    hills.lineTo(33, 43);
    hills.lineTo(40, 36);
    hills.lineTo(57, 51);
    hills.closeSubpath();
    p.drawPath(hills);
}

void Video(QPainter &p)
{
    p.setPen(Ink());
    p.setBrush(QColor(0x2C, 0x30, 0x38));
    p.drawRoundedRect(QRectF(4, 12, 56, 40), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF4, 0xF4, 0xF4));
    for (int i = 0; i < 5; ++i) {
        p.drawRect(QRectF(8 + i * 11, 15, 6, 4));
        p.drawRect(QRectF(8 + i * 11, 45, 6, 4));
    }
    p.setBrush(QColor(0xE0, 0x6C, 0x2C));
    QPainterPath play;
    play.moveTo(26, 24);
    play.lineTo(42, 32);
    play.lineTo(26, 40);
    play.closeSubpath();
    p.drawPath(play);
}

void Gear(QPainter &p, QColor colour)
{
    QPainterPath gear;
    const QPointF c(32, 32);
    for (int i = 0; i < 16; ++i) {
        const qreal a0 = i * M_PI / 8;
        const qreal r = i % 2 ? 20 : 27;
        const qreal a1 = a0 + M_PI / 8;
        const QPointF p0 = c + QPointF(qCos(a0 + 0.06) * r, qSin(a0 + 0.06) * r);
        const QPointF p1 = c + QPointF(qCos(a1 - 0.06) * r, qSin(a1 - 0.06) * r);
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    gear.addEllipse(c, 8, 8);
    p.setPen(Ink(2));
    p.setBrush(colour);
    p.drawPath(gear);
}

void Debug(QPainter &p)
{
    p.setPen(Ink(2));
    p.setBrush(QColor(0x6C, 0x8C, 0x3C));
    p.drawEllipse(QRectF(20, 16, 24, 38));
    p.setBrush(QColor(0x3A, 0x3F, 0x4A));
    p.drawEllipse(QRectF(24, 8, 16, 14));
    p.setPen(Ink(2.5));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 28 + i * 9;
        p.drawLine(QPointF(20, y), QPointF(9, y - 4 + i * 4));
        p.drawLine(QPointF(44, y), QPointF(55, y - 4 + i * 4));
    }
    p.drawLine(QPointF(32, 22), QPointF(32, 53));
}

void Circle(QPainter &p, QColor colour, const QString &glyph)
{
    p.setPen(Ink(2));
    p.setBrush(colour);
    p.drawEllipse(QPointF(32, 32), 27, 27);
    QFont font(u"DejaVu Sans"_s);
    font.setBold(true);
    font.setPixelSize(38);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 64, 64), Qt::AlignCenter, glyph);
}

void Eject(QPainter &p)
{
    p.setPen(Ink(2));
    p.setBrush(QColor(0x4A, 0x7F, 0xC1));
    QPainterPath tri;
    tri.moveTo(32, 8);
    tri.lineTo(56, 38);
    tri.lineTo(8, 38);
    tri.closeSubpath();
    p.drawPath(tri);
    p.drawRoundedRect(QRectF(8, 45, 48, 10), 2, 2);
}

void Refresh(QPainter &p)
{
    p.setPen(QPen(QColor(0x2E, 0x9E, 0x4A), 7, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 12, 40, 40), 100 * 16, 250 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2E, 0x9E, 0x4A));
    QPainterPath head;
    head.moveTo(30, 2);
    head.lineTo(44, 13);
    head.lineTo(29, 22);
    head.closeSubpath();
    p.drawPath(head);
}

void Save(const QString &folder, const QString &name, int size, const std::function<void(QPainter &)> &draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 64.0, size / 64.0);
    draw(p);
    p.end();
    image.save(QDir(folder).filePath(name + u".png"_s));
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"."_s;
    QDir().mkpath(folder);
    const struct
    {
        const char16_t *name;
        std::function<void(QPainter &)> draw;
    } icons[] = {
        {u"tab_ipod", Ipod},
        {u"tab_song", [](QPainter &p) { Note(p, QColor(0x4A, 0x7F, 0xC1)); }},
        {u"tab_memo", [](QPainter &p) { Page(p, QColor(0xFF, 0xF1, 0x9C), 4); }},
        {u"tab_news", News},
        {u"tab_address", Address},
        {u"tab_cal", Calendar},
        {u"tab_todo", ToDo},
        {u"tab_photo", Photo},
        {u"tab_video", Video},
        {u"tab_debug", Debug},
        {u"config", [](QPainter &p) { Gear(p, QColor(0xB8, 0xBE, 0xC8)); }},
        {u"details", [](QPainter &p) { Circle(p, QColor(0x4A, 0x7F, 0xC1), u"i"_s); }},
        {u"help", [](QPainter &p) { Circle(p, QColor(0x2E, 0x9E, 0x4A), u"?"_s); }},
        {u"remove", Eject},
        {u"recognize", Refresh},
        {u"sorvo",
         [](QPainter &p) {
             Ipod(p);
             p.save();
             p.translate(30, 28);
             p.scale(0.5, 0.5);
             Note(p, QColor(0xE0, 0x6C, 0x2C));
             p.restore();
         }},
    };
    for (const auto &icon : icons)
        Save(folder, QString::fromUtf16(icon.name), 64, icon.draw);
    // The program icon at the desktop's standard sizes, laid out as an icon theme: <size>x<size>/apps/.
    if (argc > 2) {
        const QString theme = QString::fromLocal8Bit(argv[2]);
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString apps = QDir(theme).filePath(u"%1x%1/apps"_s.arg(size));
            QDir().mkpath(apps);
            Save(apps, u"sorvo"_s, size, std::prev(std::end(icons))->draw);
        }
    }
    return 0;
}
