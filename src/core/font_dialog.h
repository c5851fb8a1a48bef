#pragma once
// The platform's font dialog with a font colour, behind a seam so tests can answer it.

#include "core/color.h"
#include "core/font_spec.h"

#include <optional>

namespace huebit {

struct FontChoice {
    FontSpec font;
    Color color = 0;

    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

class FontDialog {
public:
    virtual ~FontDialog() = default;
    /// Opens on `initial`; the chosen font and colour, or nothing when the user cancels.
    virtual std::optional<FontChoice> pick(const FontChoice& initial) = 0;
};

} // namespace huebit
