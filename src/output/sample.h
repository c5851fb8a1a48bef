#pragma once
// The sample: a background colour with a line of text in the text colour and the sample font.

#include "core/color.h"
#include "core/font_spec.h"

#include <QString>

namespace huebit {

constexpr Color DefaultSampleTextColor = 0x49C9FF; // RGB(255, 201, 73)

struct Sample {
    Color background = 0;
    Color text = DefaultSampleTextColor;
    QString caption;          ///< what the sample shows; empty while the text is hidden
    QString sampleText;       ///< the text shown when visible
    bool textSwitchEnabled = true; ///< the text target can be chosen only while the text shows
    FontSpec font = DefaultSampleFont(); ///< face, size and style; the colour is `text`

    bool textVisible() const { return !caption.isEmpty(); }
};

} // namespace huebit
