#pragma once
// The desktop portal's own colour picker (org.freedesktop.portal.Screenshot.PickColor) on
// Wayland sessions: the window-free half, turning its answer into a colour.

#include "core/color.h"

#include <optional>

namespace huebit {

/// The portal's colour: red, green and blue as fractions 0-1, each rounded half to even onto
/// 0-255 and clamped. Nothing when a component is not a number.
std::optional<Color> ColorFromPortal(double red, double green, double blue);

} // namespace huebit
