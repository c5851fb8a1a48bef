#include "palettes/named_color_picking.h"

namespace huebit {

NamedColorPicking::NamedColorPicking(ColorModel& model, Clipboard& clipboard)
    : m_model(model), m_clipboard(clipboard) {}

void NamedColorPicking::ChooseOrder(NamedColorOrder order) {
    m_order = order;
    m_lines = NamedColors(order);
    m_selected = -1;
    DrawNamedColorGrid(m_grid, m_lines);
    emit changed();
}

void NamedColorPicking::SelectLine(int index) {
    if (index < 0 || index >= m_lines.size()) return;
    m_selected = index;
    emit changed();
    m_model.ApplyColor(ParseNamedColor(m_lines[index]), coNormal);
}

void NamedColorPicking::pickCell(Qt::MouseButton button, int x, int y) {
    const int item = NamedGridItemAt(x, y);
    if (item < 0) return;
    if (button == Qt::LeftButton)
        m_model.SelectBackgroundTarget();
    else if (button == Qt::RightButton)
        m_model.SelectTextTarget();
    SelectLine(item);
}

void NamedColorPicking::GridPress(Qt::MouseButton button, int x, int y) {
    pickCell(button, x, y);
}

// No record of its own: after a drag the colour is already current, so the release's
// ApplyColor changes nothing and the colour stays out of the previous colours.
void NamedColorPicking::GridRelease(Qt::MouseButton button, int x, int y) {
    pickCell(button, x, y);
}

void NamedColorPicking::CopyColorName() {
    if (m_selected < 0) return;
    m_clipboard.setText(CopiedColorName(m_lines[m_selected]));
}

} // namespace huebit
