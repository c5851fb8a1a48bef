#pragma once
// The group " Выбор шрифта " of the settings sub-page "Окно": the interface font's name, from
// the installed fonts each shown in its own face, and its size in points.

#include "ui/font_name_box.h"

#include <QGroupBox>

class QSpinBox;

namespace huebit {

class FontGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit FontGroup(QWidget* parent);

    /// The chosen family; empty while none is chosen.
    QString chosenName() const;

    FontNameBox* ComboBox3 = nullptr; // font name, the font in use shown at first
    QSpinBox* SpinEdit3 = nullptr;    // font size 1-100
};

} // namespace huebit
