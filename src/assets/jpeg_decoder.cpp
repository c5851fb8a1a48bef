#include "assets/jpeg_decoder.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

namespace huebit {

namespace {

// Far beyond any decoration picture; a damaged header claiming more is refused before
// libjpeg or QImage try to allocate for it.
constexpr unsigned long long MaxPixels = 1ull << 26;

// libjpeg reports fatal errors through error_exit, which must not return: we jump back to
// the decode call. Nothing with a destructor lives in the frames the jump leaves.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

// A warning is a failure too: on a truncated file libjpeg would pad the missing data with
// grey, warn, and call the picture good.
void onMessage(j_common_ptr info, int level) {
    if (level < 0) onError(info);
}

[[noreturn]] void fail(j_decompress_ptr info, const char* message) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    std::snprintf(err->message, sizeof err->message, "%s", message);
    std::longjmp(err->jump, 1);
}

// Both kinds of four-channel file come out of libjpeg as CMYK (it converts YCCK itself).
// Files with an Adobe marker, which is nearly all of them, store the channels inverted.
QRgb fromCmyk(const JSAMPLE* p, bool inverted) {
    int c = p[0], m = p[1], y = p[2], k = p[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

// Decodes into `image`, which the caller owns so that no destructor is skipped by a jump;
// returns false with `err.message` set.
bool decodeInto(const unsigned char* data, unsigned long size, QImage& image, ErrorManager& err) {
    jpeg_decompress_struct info;
    std::memset(&info, 0, sizeof info); // so destroying after an early failure is safe
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    err.base.emit_message = onMessage;
    err.message[0] = '\0';
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (static_cast<unsigned long long>(info.image_width) * info.image_height > MaxPixels) {
        fail(&info, "picture too large");
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    if (cmyk) {
        info.out_color_space = JCS_CMYK;
    } else if (info.jpeg_color_space == JCS_GRAYSCALE || info.jpeg_color_space == JCS_YCbCr ||
               info.jpeg_color_space == JCS_RGB) {
        info.out_color_space = JCS_RGB; // grey is expanded by libjpeg
    } else {
        fail(&info, "unsupported colour space");
    }
    jpeg_start_decompress(&info);
    if (info.output_components != (cmyk ? 4 : 3)) fail(&info, "unsupported colour layout");
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image.isNull()) fail(&info, "out of memory for the picture");
    // The row buffer belongs to libjpeg's pool, so a jump out of a read frees it too.
    JSAMPARRAY rows = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, rows, 1);
        const JSAMPLE* line = rows[0];
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (JDIMENSION x = 0; x < info.output_width; ++x) {
            out[x] = cmyk ? fromCmyk(line + 4 * x, info.saw_Adobe_marker)
                          : qRgb(line[3 * x], line[3 * x + 1], line[3 * x + 2]);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

JpegResult DecodeJpeg(QByteArrayView bytes) {
    if (bytes.isEmpty()) return {QImage(), QStringLiteral("JPEG: no data")};
    ErrorManager err{};
    QImage image;
    const bool ok = decodeInto(reinterpret_cast<const unsigned char*>(bytes.data()),
                               static_cast<unsigned long>(bytes.size()), image, err);
    if (ok) return {image, QString()};
    return {QImage(), QStringLiteral("JPEG: %1").arg(QString::fromLocal8Bit(err.message))};
}

JpegResult LoadJpegResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {QImage(), QStringLiteral("cannot read %1").arg(path)};
    }
    return DecodeJpeg(file.readAll());
}

} // namespace huebit
