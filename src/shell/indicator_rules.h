#pragma once
// The colour indicator's own rules: when the poll shows or hides it, and its two forms.

#include <QRect>

namespace huebit {

constexpr int IndicatorPollMs = 200;

/// After a poll tick: hidden on the settings and About pages (2, 3); on the others shown while
/// the option is set, and otherwise left as it was (the option only changes on page 2).
constexpr bool IndicatorShownAfterPoll(int page, bool useIndicator, bool shownNow) {
    if (page == 2 || page == 3) return false;
    return useIndicator || shownNow;
}

/// The small form with bevels, and the large one reaching up the window's left edge.
constexpr QRect SmallIndicator{4, 474, 29, 29};
constexpr QRect LargeIndicator{4, 398, 29, 105};

/// The form a height stands for: more than 40 pixels is the large one.
constexpr bool IsLargeIndicator(int height) {
    return height > 40;
}

} // namespace huebit
