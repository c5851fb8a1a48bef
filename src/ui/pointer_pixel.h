#pragma once
// The pixel under the pointer for a widget's mouse event, exact under a scale factor too.

#include <QMouseEvent>
#include <QWidget>

namespace huebit {

QPoint PixelAt(const QMouseEvent* event, const QWidget* widget);

} // namespace huebit
