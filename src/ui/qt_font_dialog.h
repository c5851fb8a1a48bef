#pragma once
// The font dialog with a font colour, through Qt.

#include "core/color_dialog.h"
#include "core/font_dialog.h"

class QWidget;

namespace huebit {

class QtFontDialog : public FontDialog {
public:
    QtFontDialog(QWidget* parent, ColorDialog& colours) : m_parent(parent), m_colours(colours) {}
    std::optional<FontChoice> pick(const FontChoice& initial) override;

private:
    QWidget* m_parent;
    ColorDialog& m_colours;
};

} // namespace huebit
