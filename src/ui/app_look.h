#pragma once
// The application-wide style, font and palette: a small interface font and the window colour
// (225, 225, 255) behind every page.

#include "ui/huebit_style.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

namespace huebit {

inline void ApplyAppLook() {
    // Group boxes and a few small controls are drawn by the program's own style; set first, as
    // a new style brings its own palette.
    QApplication::setStyle(new HuebitStyle);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, QColor(225, 225, 255));
    QApplication::setPalette(palette);
}

} // namespace huebit
