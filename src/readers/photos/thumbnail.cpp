#include "photos/thumbnail.h"

#include "photos/artworkdbloader.h"
#include "photos/picfilters.h"

namespace {

constexpr qint64 kBigEndianSize = 46464; // big-endian RGB565
constexpr qint64 kRotatedSize = 77440;   // 176 × 220 × 2: stored upright only when 176 wide
constexpr int kRotatedWidth = 176;
constexpr int kRotatedHeight = 220;

bool SaneSide(qint64 side)
{
    return side > 0 && side <= kMaxThumbnailSide;
}

} // namespace

QImage DecodeRgb565(QByteArrayView pixels, int width, int height, bool bigEndian)
{
    if (!SaneSide(width) || !SaneSide(height))
        return {};
    QImage picture(width, height, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    picture.fill(qRgb(0, 0, 0));
    const qint64 rows = qMin<qint64>(height, pixels.size() / (2 * qint64(width)));
    const auto *bytes = reinterpret_cast<const uchar *>(pixels.data());
    for (qint64 y = 0; y < rows; ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(int(y)));
        const uchar *p = bytes + y * width * 2;
        for (int x = 0; x < width; ++x, p += 2) {
            const unsigned v = bigEndian ? (unsigned(p[0]) << 8 | p[1]) : (unsigned(p[1]) << 8 | p[0]);
            line[x] = qRgb(int((v >> 11) & 31) << 3, int((v >> 5) & 63) << 2, int(v & 31) << 3);
        }
    }
    return picture;
}

QImage DecodeThumbnail(const TArtImageObject &layout, QByteArrayView pixels)
{
    if (layout.FSize == kRotatedSize && layout.FWidth != kRotatedWidth) {
        QImage picture = DecodeRgb565(pixels, kRotatedWidth, kRotatedHeight, true);
        TKiruPicFilters().Rotate90(picture);
        return picture; // already 220 × 176: no crop
    }
    QImage picture =
        DecodeRgb565(pixels, layout.FDataWidth, layout.FDataHeight, layout.FSize == kBigEndianSize);
    if (layout.FCropNeeded && !picture.isNull()) {
        if (!SaneSide(layout.FWidth) || !SaneSide(layout.FHeight))
            return {};
        // Keep the top-left part; a column the rows lack stays black.
        QImage cropped(layout.FWidth, layout.FHeight, QImage::Format_RGB32);
        cropped.fill(qRgb(0, 0, 0));
        const int columns = qMin(layout.FWidth, picture.width());
        const int rows = qMin(layout.FHeight, picture.height());
        for (int y = 0; y < rows; ++y)
            std::copy_n(reinterpret_cast<const QRgb *>(picture.constScanLine(y)), columns,
                        reinterpret_cast<QRgb *>(cropped.scanLine(y)));
        return cropped;
    }
    return picture;
}
