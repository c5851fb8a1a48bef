#include "assets/baked_pictures.h"

namespace huebit {

QImage BakedPictureImage(std::string_view name) {
    for (int i = 0; i < BakedPictureCount; ++i) {
        const BakedPicture& p = BakedPictures[i];
        if (name != p.name) continue;
        return QImage(reinterpret_cast<const uchar*>(p.pixels), p.width, p.height,
                      p.width * int(sizeof(quint32)),
                      p.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
    return QImage();
}

int PictureScaleFor(qreal devicePixelRatio) {
    return devicePixelRatio > 1 ? 2 : 1;
}

std::string ScaledPictureName(std::string_view name, int scale) {
    std::string scaled(name);
    if (scale <= 1) return scaled;
    std::string mark(1, '@');
    mark += std::to_string(scale);
    mark += 'x';
    const std::size_t dot = scaled.rfind('.');
    scaled.insert(dot == std::string::npos ? scaled.size() : dot, mark);
    return scaled;
}

} // namespace huebit
