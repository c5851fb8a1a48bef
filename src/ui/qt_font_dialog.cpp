#include "ui/qt_font_dialog.h"

#include "ui/font_color_dialog.h"
#include "ui/modal_dialogs.h"

namespace huebit {

std::optional<FontChoice> QtFontDialog::pick(const FontChoice& initial) {
    FontColorDialog dialog(initial, m_colours, DialogParent(m_parent));
    if (ExecWindowModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

} // namespace huebit
