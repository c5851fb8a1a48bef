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

} // namespace huebit
