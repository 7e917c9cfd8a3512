#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

/// Largest side of a JPEG the decoder accepts; larger ones are refused before any allocation.
inline constexpr int kMaxJpegSide = 16384;

/// A picture as baseline JPEG bytes of the given quality (1-100); empty for a null picture.
QByteArray EncodeJpeg(const QImage &image, int quality);
/// Writes the picture as a JPEG file, never replacing an existing file; false with `error` set on failure.
bool SaveJpeg(const QImage &image, const QString &path, int quality, QString *error = nullptr);
/// Decodes JPEG bytes into a Format_RGB32 picture; null when the data is not a readable JPEG.
QImage DecodeJpeg(QByteArrayView data);
/// Reads and decodes a JPEG file; null when it cannot be read or decoded.
QImage LoadJpeg(const QString &path);
