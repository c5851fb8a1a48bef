#pragma once
// The colour dialog through Qt: any colour, no alpha channel.

#include "core/color_dialog.h"

class QWidget;

namespace huebit {

class QtColorDialog : public ColorDialog {
public:
    explicit QtColorDialog(QWidget* parent) : m_parent(parent) {}
    std::optional<Color> pick(Color initial) override;

private:
    QWidget* m_parent;
};

} // namespace huebit
