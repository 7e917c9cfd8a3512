#include "photos/jpegio.h"
#include "platform/regularfile.h"

#include "platform/safefilewriter.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: jump back to the caller.
struct TJpegError
{
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void JumpOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TJpegError *>(info->err)->jump, 1);
}

void SilentMessage(j_common_ptr) {}

// Pixels of Format_RGB32 as libjpeg sees them in memory.
constexpr J_COLOR_SPACE kRgb32Space =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// Everything the jump may leave behind lives here, so nothing with a destructor is skipped by it.
struct TEncodeState
{
    jpeg_compress_struct info{};
    TJpegError error{};
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    ~TEncodeState()
    {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
};

bool Encode(TEncodeState &s, const QImage &image, int quality)
{
    s.info.err = jpeg_std_error(&s.error.mgr);
    s.error.mgr.error_exit = JumpOnError;
    s.error.mgr.output_message = SilentMessage;
    if (setjmp(s.error.jump))
        return false;
    jpeg_create_compress(&s.info);
    jpeg_mem_dest(&s.info, &s.buffer, &s.size);
    s.info.image_width = JDIMENSION(image.width());
    s.info.image_height = JDIMENSION(image.height());
    s.info.input_components = 4;
    s.info.in_color_space = kRgb32Space;
    jpeg_set_defaults(&s.info);
    jpeg_set_quality(&s.info, quality, TRUE);
    jpeg_start_compress(&s.info, TRUE);
    while (s.info.next_scanline < s.info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(s.info.next_scanline)));
        jpeg_write_scanlines(&s.info, &row, 1);
    }
    jpeg_finish_compress(&s.info);
    return true;
}

struct TDecodeState
{
    jpeg_decompress_struct info{};
    TJpegError error{};
    QImage image;
    ~TDecodeState() { jpeg_destroy_decompress(&info); }
};

bool Decode(TDecodeState &s, QByteArrayView data)
{
    s.info.err = jpeg_std_error(&s.error.mgr);
    s.error.mgr.error_exit = JumpOnError;
    s.error.mgr.output_message = SilentMessage;
    if (setjmp(s.error.jump))
        return false;
    jpeg_create_decompress(&s.info);
    jpeg_mem_src(&s.info, reinterpret_cast<const unsigned char *>(data.data()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&s.info, TRUE) != JPEG_HEADER_OK)
        return false;
    if (s.info.image_width == 0 || s.info.image_height == 0 || s.info.image_width > kMaxJpegSide ||
        s.info.image_height > kMaxJpegSide)
        return false;
    const bool cmyk = s.info.jpeg_color_space == JCS_CMYK || s.info.jpeg_color_space == JCS_YCCK;
    s.info.out_color_space = cmyk ? JCS_CMYK : kRgb32Space;
    jpeg_start_decompress(&s.info);
    s.image = QImage(int(s.info.output_width), int(s.info.output_height), QImage::Format_RGB32);
    if (s.image.isNull())
        return false;
    while (s.info.output_scanline < s.info.output_height) {
        JSAMPROW row = s.image.scanLine(int(s.info.output_scanline));
        jpeg_read_scanlines(&s.info, &row, 1);
    }
    if (cmyk) {
        // Four bytes per pixel, stored inverted by the programs that write CMYK JPEG files.
        for (int y = 0; y < s.image.height(); ++y) {
            uchar *line = s.image.scanLine(y);
            for (int x = 0; x < s.image.width(); ++x) {
                const uchar *p = line + x * 4;
                const int c = p[0], m = p[1], yel = p[2], k = p[3];
                reinterpret_cast<QRgb *>(line)[x] = qRgb(c * k / 255, m * k / 255, yel * k / 255);
            }
        }
    }
    jpeg_finish_decompress(&s.info);
    return true;
}

} // namespace

QByteArray EncodeJpeg(const QImage &image, int quality)
{
    if (image.isNull())
        return {};
    const QImage rgb =
        image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    auto state = std::make_unique<TEncodeState>();
    if (!Encode(*state, rgb, quality))
        return {};
    return QByteArray(reinterpret_cast<const char *>(state->buffer), qsizetype(state->size));
}

bool SaveJpeg(const QImage &image, const QString &path, int quality, QString *error)
{
    const QByteArray bytes = EncodeJpeg(image, quality);
    if (bytes.isEmpty()) {
        if (error)
            *error = u"JPEG"_s;
        return false;
    }
    // Never replaces a file, and never leaves a part of a picture under the final name.
    return SaveFileSafely(path, bytes, error, TSafeFileWriter::cmNoReplace);
}

QImage DecodeJpeg(QByteArrayView data)
{
    if (data.size() < 4)
        return {};
    auto state = std::make_unique<TDecodeState>();
    if (!Decode(*state, data))
        return {};
    return state->image;
}

QImage LoadJpeg(const QString &path)
{
    QByteArray bytes;
    if (!ReadRegularFile(path, bytes, nullptr, kPictureFileLimit))
        return {};
    return DecodeJpeg(bytes);
}
