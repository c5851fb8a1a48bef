#include "ui/decoration.h"

#include "assets/baked_pictures.h"
#include "core/color.h"
#include "ui/qt_color.h"

namespace huebit {

QPixmap DecorationPicture(std::string_view name, QSize fallbackSize) {
    const QImage picture = BakedPictureImage(name);
    if (!picture.isNull()) return QPixmap::fromImage(picture);
    QPixmap blank(fallbackSize);
    blank.fill(ToQColor(EmptySlotColor));
    return blank;
}

QPixmap DecorationIcon(std::string_view name) { return QPixmap::fromImage(BakedPictureImage(name)); }

} // namespace huebit
