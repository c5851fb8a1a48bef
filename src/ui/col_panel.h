#pragma once
// The floating colour panel: a borderless, always-on-top window that repeats the sample.
// It lives for the whole run and starts hidden.

#include "core/color_model.h"

#include <QWidget>

namespace huebit {

class SampleView;

class TColPanel : public QWidget {
    Q_OBJECT
public:
    explicit TColPanel(const ColorModel& model);

    void refresh(unsigned what);

private:
    const ColorModel& m_model;
    SampleView* m_face;
};

} // namespace huebit
