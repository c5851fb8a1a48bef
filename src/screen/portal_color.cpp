#include "screen/portal_color.h"

#include <algorithm>
#include <cmath>

namespace huebit {

std::optional<Color> ColorFromPortal(double red, double green, double blue) {
    if (std::isnan(red) || std::isnan(green) || std::isnan(blue)) return std::nullopt;
    // Clamped before scaling: an infinite component has no integer to round to.
    const auto byte = [](double v) { return Round(std::clamp<long double>(v, 0, 1) * 255); };
    return RGB(byte(red), byte(green), byte(blue));
}

} // namespace huebit
