#pragma once

namespace huebit {

/// What a model operation changed, so that each view repaints only its own part.
enum ModelChange : unsigned {
    ChangedSample = 1u << 0,          ///< sample colours, caption or text switch
    ChangedTarget = 1u << 1,          ///< the background / text switch
    ChangedBars = 1u << 2,            ///< RGB bar fills
    ChangedHsvBars = 1u << 3,         ///< HSV bar fills
    ChangedComponentTexts = 1u << 4,  ///< any of the nine component texts
    ChangedSwatches = 1u << 5,        ///< component swatches and greys
    ChangedMatching = 1u << 6,        ///< the four matching colours
    ChangedRefinePalette = 1u << 7,   ///< the refinement palette pixels
    ChangedSaturation = 1u << 8,      ///< the saturation strip and its markers
    ChangedPreviousColors = 1u << 9,  ///< the previous-colours strip
    ChangedUserPalette = 1u << 10,    ///< the user palette strip
    ChangedTextLine = 1u << 11,       ///< the rendered text line
    ChangedGradient = 1u << 12,       ///< the gradient strip or its colours
    ChangedFloatingPanel = 1u << 13,  ///< the floating panel's face
    ChangedTemplates = 1u << 14,      ///< the template list or its selection
};

} // namespace huebit
