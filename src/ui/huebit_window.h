#pragma once

#include "core/color_model.h"

#include <QWidget>

namespace huebit {

/// The main window.
class THuebit : public QWidget {
    Q_OBJECT
public:
    explicit THuebit(QWidget* parent = nullptr);

    ColorModel& model() { return m_model; }

private:
    ColorModel m_model;
};

} // namespace huebit
