#include "common/pictures.h"

#include <QPainter>

QRect FittedRect(int boxWidth, int boxHeight, int w, int h)
{
    if (w <= 0 || h <= 0)
        return {};
    const auto fitHeight = [&] {
        const int nw = int(qint64(boxHeight) * w / h);
        return QRect((boxWidth - nw) / 2, 0, nw, boxHeight);
    };
    const auto fitWidth = [&] {
        const int nh = int(qint64(boxWidth) * h / w);
        return QRect(0, (boxHeight - nh) / 2, boxWidth, nh);
    };
    if (w < h) {
        const QRect r = fitHeight();
        return r.x() < 0 ? fitWidth() : r;
    }
    const QRect r = fitWidth();
    return r.y() < 0 ? fitHeight() : r;
}

void DrawFitted(QImage &destination, int left, int top, int boxWidth, int boxHeight, const QColor &background,
                const QImage &source)
{
    if (boxWidth <= 0 || boxHeight <= 0)
        return;
    QImage box(boxWidth, boxHeight, QImage::Format_RGB32);
    box.fill(background);
    const QRect target = FittedRect(boxWidth, boxHeight, source.width(), source.height());
    if (!target.isEmpty()) {
        QPainter p(&box);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, source);
    }
    QPainter out(&destination);
    out.drawImage(left, top, box);
}
