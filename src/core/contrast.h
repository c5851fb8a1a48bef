#pragma once
// Text contrast of a pair of colours: the WCAG 2 ratio with its levels and the APCA lightness
// contrast (APCA-W3 0.1.9). Both take the text colour first and the background second.

#include "core/color.h"

#include <QString>

namespace huebit {

/// WCAG 2 relative luminance 0..1 of an sRGB colour (linearisation threshold 0.04045).
long double RelativeLuminance(Color c);

/// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1..21, the same either way round.
long double ContrastRatio(Color text, Color background);

/// The ratio truncated (never rounded up) to hundredths, so 4.499 reads 4.49: 100..2100.
int ContrastRatioHundredths(Color text, Color background);

/// "4.47:1": two decimals, truncated; a whole ratio still shows its decimals ("21.00:1").
QString ContrastRatioText(Color text, Color background);

/// The four WCAG 2 levels, decided on the truncated ratio so that the text and the verdict agree.
struct WcagLevels {
    bool aaNormal;  ///< 4.5
    bool aaLarge;   ///< 3
    bool aaaNormal; ///< 7
    bool aaaLarge;  ///< 4.5
};
WcagLevels WcagLevelsOf(Color text, Color background);

/// APCA screen luminance Ys 0..1 (simple 2.4 exponent, sRGB coefficients of the APCA document).
long double ApcaLuminance(Color c);

/// APCA Lc of text on background, about -108..106: negative for light text on a dark ground,
/// 0 below the low clip.
long double ApcaContrast(Color text, Color background);

/// Lc to one decimal, ties to even: "106.0", "-107.9" (ASCII minus), "0.0".
QString ApcaContrastText(Color text, Color background);

/// The compact readout: "2.86:1 · Lc -46.1".
QString ContrastReadout(Color text, Color background);

/// The full figures for the status line and the accessible description: both measures, every
/// level passed or failed, and which colour is the text and which the background.
QString ContrastDescription(Color text, Color background);

} // namespace huebit
