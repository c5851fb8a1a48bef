#include "ui/huebit_window.h"

namespace huebit {

THuebit::THuebit(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral(" Huebit"));
    resize(404, 507);
}

} // namespace huebit
