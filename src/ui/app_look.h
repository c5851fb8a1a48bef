#pragma once
// The application-wide font and palette: a small interface font and the window colour
// (225, 225, 255) behind every page.

#include <QApplication>
#include <QFont>
#include <QPalette>

namespace huebit {

inline void ApplyAppLook() {
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, QColor(225, 225, 255));
    QApplication::setPalette(palette);
    // Group titles sit on the frame line, as the layout's coordinates assume.
    qApp->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #a0a0cc; border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; padding: 0 1px; }"));
}

} // namespace huebit
