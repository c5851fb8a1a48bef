#include "ui/qt_color.h"

namespace huebit {

QImage ToQImage(const PixelBuffer& buffer) {
    QImage image(buffer.width(), buffer.height(), QImage::Format_RGB32);
    for (int y = 0; y < buffer.height(); ++y) {
        const Color* src = buffer.row(y);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < buffer.width(); ++x) dst[x] = ToQRgb(src[x]);
    }
    return image;
}

} // namespace huebit
