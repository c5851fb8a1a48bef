#include "ui/qt_font_dialog.h"

#include "ui/font_color_dialog.h"

namespace huebit {

std::optional<FontChoice> QtFontDialog::pick(const FontChoice& initial) {
    FontColorDialog dialog(initial, m_colours, m_parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

} // namespace huebit
