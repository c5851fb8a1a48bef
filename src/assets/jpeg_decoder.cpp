#include "assets/jpeg_decoder.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace huebit {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: we jump back to
// the decode call. Nothing with a destructor lives between setjmp and the jump.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings (a truncated file among them) are remembered and turned into a failure: libjpeg
// would otherwise pad missing data with grey and call the picture good.
void onMessage(j_common_ptr info, int level) {
    if (level < 0) {
        auto* err = reinterpret_cast<ErrorManager*>(info->err);
        if (err->base.num_warnings++ == 0) (*info->err->format_message)(info, err->message);
    }
}

// Decodes into `image`, which the caller owns; returns false with `err.message` set.
bool decodeInto(const unsigned char* data, unsigned long size, QImage& image, ErrorManager& err) {
    jpeg_decompress_struct info;
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
    info.out_color_space = JCS_RGB; // grey pictures are expanded; CMYK fails in libjpeg
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        std::snprintf(err.message, sizeof err.message, "unsupported colour layout");
        jpeg_destroy_decompress(&info);
        return false;
    }
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image.isNull()) {
        std::snprintf(err.message, sizeof err.message, "picture too large");
        jpeg_destroy_decompress(&info);
        return false;
    }
    // The row buffer belongs to libjpeg's pool, so a jump out of a read frees it too.
    JSAMPARRAY rows = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                info.output_width * 3, 1);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, rows, 1);
        const JSAMPLE* line = rows[0];
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (JDIMENSION x = 0; x < info.output_width; ++x) {
            out[x] = qRgb(line[3 * x], line[3 * x + 1], line[3 * x + 2]);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (err.base.num_warnings > 0) return false;
    return true;
}

} // namespace

JpegResult DecodeJpeg(QByteArrayView bytes) {
    if (bytes.isEmpty()) return {QImage(), QStringLiteral("empty JPEG data")};
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
