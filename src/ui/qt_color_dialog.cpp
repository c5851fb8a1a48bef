#include "ui/qt_color_dialog.h"

#include "ui/modal_dialogs.h"
#include "ui/qt_color.h"

#include <QColorDialog>

namespace huebit {

std::optional<Color> QtColorDialog::pick(Color initial) {
    QColorDialog dialog(ToQColor(initial), DialogParent(m_parent));
    if (ExecWindowModal(dialog) != QDialog::Accepted) return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
}

} // namespace huebit
