#include "ui/qt_color_dialog.h"

#include "ui/qt_color.h"

#include <QColorDialog>

namespace huebit {

std::optional<Color> QtColorDialog::pick(Color initial) {
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), m_parent, QString());
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
}

} // namespace huebit
