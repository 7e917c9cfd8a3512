#include "photos/picfilters.h"

#include <cstring>

bool TKiruPicFilters::Rotate90(QImage &picture) const
{
    const int depth = picture.depth();
    if (depth != 24 && depth != 32)
        return false;
    const int bytesPerPixel = depth / 8;
    const int oldWidth = picture.width();
    const int oldHeight = picture.height();
    QImage rotated(oldHeight, oldWidth, picture.format());
    if (rotated.isNull() && oldWidth > 0 && oldHeight > 0)
        return false;
    // New column i is old row H-1-i, read left to right and written top to bottom.
    for (int i = 0; i < oldHeight; ++i) {
        const uchar *source = picture.constScanLine(oldHeight - 1 - i);
        for (int c = 0; c < oldWidth; ++c)
            std::memcpy(rotated.scanLine(c) + qsizetype(i) * bytesPerPixel,
                        source + qsizetype(c) * bytesPerPixel, size_t(bytesPerPixel));
        if (FOnProgress)
            FOnProgress(i, oldHeight);
    }
    picture = rotated;
    return true;
}
