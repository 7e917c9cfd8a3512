#include "device/modelpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {
struct TModelShape
{
    QRectF body;   // the case
    qreal radius;  // corner roundness
    QColor face;   // case colour
    QRectF screen; // empty: no screen
    QPointF wheel; // centre of the click wheel or control pad
    qreal wheelR;  // its radius
    QColor wheelFace;
    bool clip; // a clip drawn at the back (second shuffle)
};

const TModelShape kShapes[7] = {
    // mini: narrow coloured aluminium, small screen, wheel without a distinct centre colour
    {{10, 4, 42, 108},
     8,
     QColor(0xA8, 0xC8, 0xE8),
     {15, 12, 32, 26},
     {31, 76},
     15,
     QColor(0xF4, 0xF4, 0xF4),
     false},
    // standard: white case, grey screen, white wheel
    {{4, 2, 54, 114},
     7,
     QColor(0xFA, 0xFA, 0xFA),
     {10, 9, 42, 34},
     {31, 82},
     19,
     QColor(0xEC, 0xEC, 0xEC),
     false},
    // nano: thin and short
    {{13, 14, 36, 90},
     5,
     QColor(0x30, 0x30, 0x30),
     {17, 20, 28, 22},
     {31, 76},
     12,
     QColor(0xDD, 0xDD, 0xDD),
     false},
    // shuffle: a stick with a round pad
    {{19, 10, 24, 96}, 6, QColor(0xFA, 0xFA, 0xFA), {}, {31, 38}, 9, QColor(0xE4, 0xE4, 0xE4), false},
    // video model: wide screen, smaller wheel, black
    {{4, 4, 54, 106},
     6,
     QColor(0x22, 0x22, 0x22),
     {9, 10, 44, 38},
     {31, 80},
     16,
     QColor(0x3A, 0x3A, 0x3A),
     false},
    // second nano: coloured aluminium
    {{13, 14, 36, 90},
     5,
     QColor(0xE8, 0x90, 0xB8),
     {17, 20, 28, 22},
     {31, 76},
     12,
     QColor(0xF4, 0xF4, 0xF4),
     false},
    // second shuffle: a small square with a clip
    {{13, 40, 36, 38}, 4, QColor(0xB0, 0xD8, 0x90), {}, {31, 59}, 12, QColor(0xF4, 0xF4, 0xF4), true},
};
} // namespace

QPixmap ModelPicture(int index)
{
    const TModelShape &s = kShapes[index >= 0 && index < 7 ? index : 1];
    QPixmap pixmap(62, 120);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(0x40, 0x40, 0x40), 1.2);
    if (s.clip) {
        p.setPen(outline);
        p.setBrush(QColor(0xC0, 0xC0, 0xC0));
        p.drawRoundedRect(QRectF(s.body.left() + 4, s.body.top() - 8, s.body.width() - 8, 12), 3, 3);
    }
    // case with a soft light from the top
    QLinearGradient shade(s.body.topLeft(), s.body.bottomLeft());
    shade.setColorAt(0, s.face.lighter(112));
    shade.setColorAt(1, s.face.darker(108));
    p.setPen(outline);
    p.setBrush(shade);
    p.drawRoundedRect(s.body, s.radius, s.radius);
    if (!s.screen.isEmpty()) {
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
        p.setBrush(QColor(0x9C, 0xB4, 0xC8));
        p.drawRoundedRect(s.screen, 2, 2);
        // a few lines of a menu on the screen
        p.setPen(QPen(QColor(0x40, 0x50, 0x60), 1));
        for (int line = 0; line < 3; ++line) {
            const qreal y = s.screen.top() + 6 + line * (s.screen.height() - 8) / 3;
            p.drawLine(QPointF(s.screen.left() + 4, y), QPointF(s.screen.right() - 6 - line * 4, y));
        }
    }
    // wheel or pad, with its centre button and the four marks
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(s.wheelFace);
    p.drawEllipse(s.wheel, s.wheelR, s.wheelR);
    p.setBrush(s.face.lightness() < 100 ? QColor(0x50, 0x50, 0x50) : QColor(0xFF, 0xFF, 0xFF));
    p.drawEllipse(s.wheel, s.wheelR * 0.38, s.wheelR * 0.38);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x80, 0x80, 0x80));
    const qreal d = s.wheelR * 0.7;
    for (const QPointF offset : {QPointF(0, -d), QPointF(0, d), QPointF(-d, 0), QPointF(d, 0)})
        p.drawEllipse(s.wheel + offset, 1.3, 1.3);
    return pixmap;
}

QPixmap ModelFramePicture(int index, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    p.drawPixmap(19, 1, ModelPicture(index));
    return pixmap;
}
