#pragma once
// What a drag carries out of the window and what a drop onto it means, decided on the
// QMimeData alone so that the widgets only hand it over. A colour travels as
// "application/x-color" (Qt's and GTK's colour type) and as text in the active notation.

#include "core/color.h"
#include "core/component_texts.h"

#include <QString>

#include <optional>

class QMimeData;

namespace huebit {

enum class DropKind {
    Refused,     ///< nothing the window takes: the drop cursor says no
    Color,       ///< a colour or a text the typed input reads: becomes the current colour
    PaletteFile, ///< a .gpl file: imported into the user palette
};

struct DropOffer {
    DropKind kind = DropKind::Refused;
    Color color = 0;
    QString path;
};

/// The colour a text gives through the typed input's walk of `entry` over it, starting from the
/// fields as they are now: the three RGB fields read and clamped to 0-255, or hue, saturation
/// and value corrected into 0-360 and 0-100; nothing when the walk fills no field or a field
/// it needs cannot be read.
std::optional<Color> TypedTextColor(const QString& entry, const ComponentTexts& current,
                                    const QString& typed);

/// A colour first (Qt's own, or GTK's four 16-bit values), then a local .gpl file among the
/// URLs, then a text the typed input reads; anything else is refused.
DropOffer ReadDrop(const QMimeData& data, const QString& entry, const ComponentTexts& current);

/// The drag's content for a colour: "application/x-color" and the colour's text in `entry`.
void FillColorDrag(QMimeData& data, Color c, const QString& entry);

} // namespace huebit
