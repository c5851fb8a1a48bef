#pragma once
// The platform's colour dialog, behind a seam so tests can answer it.

#include "core/color.h"

#include <optional>

namespace huebit {

class ColorDialog {
public:
    virtual ~ColorDialog() = default;
    /// Opens on `initial`; the chosen colour, or nothing when the user cancels.
    virtual std::optional<Color> pick(Color initial) = 0;
};

} // namespace huebit
