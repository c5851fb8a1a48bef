#pragma once
// What the status line and the colour indicator show while the pointer moves.

#include "core/color.h"

namespace huebit {

struct HintOptions {
    bool interactiveHints = true; ///< "Включить интерактивную подсказку"
    bool componentsInHint = true; ///< "Компоненты в подсказке"
    bool hsvNotation = false;     ///< "HSV" rather than "RGB" in the readout
    bool useIndicator = true;     ///< "Использовать индикатор цвета"

    bool operator==(const HintOptions&) const = default;
};

} // namespace huebit
