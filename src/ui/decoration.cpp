#include "ui/decoration.h"

#include "assets/baked_pictures.h"
#include "core/color.h"
#include "ui/qt_color.h"

#include <QEvent>
#include <QLabel>

namespace huebit {

namespace {

// The baked picture for the ratio; the ordinary drawing when the larger one is missing. The
// larger drawing's pixels are read only here, so an ordinary screen never touches them.
QPixmap bakedPixmap(std::string_view name, qreal devicePixelRatio) {
    const int scale = PictureScaleFor(devicePixelRatio);
    if (scale > 1) {
        const QImage scaled = BakedPictureImage(ScaledPictureName(name, scale));
        if (!scaled.isNull()) {
            QPixmap pixmap = QPixmap::fromImage(scaled);
            pixmap.setDevicePixelRatio(scale);
            return pixmap;
        }
    }
    return QPixmap::fromImage(BakedPictureImage(name));
}

// Keeps a label's picture drawn for the screen its window is on.
class RatioFollower : public QObject {
public:
    RatioFollower(QLabel* label, const char* name, QSize fallbackSize)
        : QObject(label), m_label(label), m_name(name), m_fallbackSize(fallbackSize) {
        label->installEventFilter(this);
        show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == m_label && (type == QEvent::ScreenChangeInternal || type == QEvent::Show))
            show();
        return false;
    }

private:
    void show() {
        const qreal ratio = m_label->devicePixelRatioF();
        const int scale = PictureScaleFor(ratio);
        if (scale == m_scale) return;
        m_scale = scale;
        m_label->setPixmap(m_fallbackSize.isEmpty()
                               ? DecorationIcon(m_name, ratio)
                               : DecorationPicture(m_name, m_fallbackSize, ratio));
    }

    QLabel* m_label;
    const char* m_name;
    QSize m_fallbackSize;
    int m_scale = 0;
};

} // namespace

QPixmap DecorationPicture(std::string_view name, QSize fallbackSize, qreal devicePixelRatio) {
    QPixmap picture = bakedPixmap(name, devicePixelRatio);
    if (!picture.isNull()) return picture;
    QPixmap blank(fallbackSize);
    blank.fill(ToQColor(EmptySlotColor));
    return blank;
}

QPixmap DecorationIcon(std::string_view name, qreal devicePixelRatio) {
    return bakedPixmap(name, devicePixelRatio);
}

QIcon WindowIcon(qreal devicePixelRatio) {
    QIcon icon(DecorationIcon("icon32.png"));
    if (PictureScaleFor(devicePixelRatio) > 1)
        icon.addPixmap(DecorationIcon("icon32.png", devicePixelRatio));
    return icon;
}

void ShowDecoration(QLabel* label, const char* name, QSize fallbackSize) {
    new RatioFollower(label, name, fallbackSize);
}

} // namespace huebit
