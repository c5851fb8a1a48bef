#include "ui/panel_button.h"

#include "core/color.h"
#include "ui/qt_color.h"

#include <QPainter>
#include <QStyleOptionToolButton>

namespace huebit {

void PanelButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(EmptySlotColor));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.rect = rect().adjusted(1, 1, -1, -1);
    const QColor caption(0x80, 0, 0); // maroon
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
        option.palette.setColor(role, caption);
    option.palette.setColor(QPalette::Button, ToQColor(EmptySlotColor));
    option.palette.setColor(QPalette::Window, ToQColor(EmptySlotColor));
    style()->drawControl(QStyle::CE_ToolButtonLabel, &option, &p, this);
}

} // namespace huebit
