#pragma once
// Reading a colour back from the text line: the active template and the typed text are walked
// side by side with fixed widths (3 characters for a decimal value, 2 for a hexadecimal one, one
// for any other template character), and the characters under each placeholder go to its field.

#include "core/component_texts.h"

#include <QString>
#include <optional>
#include <vector>

namespace huebit {

enum class FieldKind { None, DecimalRgb, HexRgb, Hsv };

struct TypedColorFields {
    std::vector<std::pair<ComponentField, QString>> writes; ///< in the order they were found
    FieldKind lastKind = FieldKind::None; ///< the only kind whose Enter action runs
};

/// The template the parser walks: the entry cut before its first hyphen.
QString TemplateForParsing(const QString& entry);

/// Walks `entry`'s template over `typed`. Positions are not limited to 255 characters: longer
/// templates and texts are walked the same way, and reads past the typed text's end are empty.
TypedColorFields ParseTypedColor(const QString& entry, const QString& typed);

} // namespace huebit
