#include "ui/decoration.h"

#include "assets/jpeg_decoder.h"
#include "core/color.h"
#include "ui/qt_color.h"

namespace huebit {

QPixmap DecorationPicture(const QString& resourcePath, QSize fallbackSize) {
    const JpegResult decoded = LoadJpegResource(resourcePath);
    if (decoded.ok()) return QPixmap::fromImage(decoded.image);
    QPixmap blank(fallbackSize);
    blank.fill(ToQColor(EmptySlotColor));
    return blank;
}

QPixmap DecorationIcon(const QString& resourcePath) { return QPixmap(resourcePath); }

} // namespace huebit
