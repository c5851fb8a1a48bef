#pragma once
// What the floating colour panel shows; the panel window paints from this.

#include "core/color.h"
#include "core/font_spec.h"

#include <QString>

namespace huebit {

struct FloatingPanelState {
    Color face = 0;
    Color faceText = 0xFFFFFF;
    Color readoutText = 0;
    QString caption;
    FontSpec font = DefaultSampleFont();
    bool frozen = false;
};

} // namespace huebit
