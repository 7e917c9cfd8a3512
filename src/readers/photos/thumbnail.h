#pragma once

#include <QByteArrayView>
#include <QImage>

class TArtImageObject;

/// Largest side a thumbnail may state; larger layouts are refused before any allocation.
constexpr int kMaxThumbnailSide = 4096;

/// RGB565 pixels, row after row with no gap, into a black width × height picture; only whole rows
/// the bytes cover are filled.
QImage DecodeRgb565(QByteArrayView pixels, int width, int height, bool bigEndian);

/// Decodes a thumbnail's pixel data by its size and layout: RGB565 in either byte order, the
/// rotated 220 × 176 form, and the crop of odd widths. Null for an absurd layout.
QImage DecodeThumbnail(const TArtImageObject &layout, QByteArrayView pixels);
