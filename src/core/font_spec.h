#pragma once
// A font as the model keeps it: face, size in pixels and style. Its colour is kept apart, as the
// sample's text colour.

#include <QString>

namespace huebit {

struct FontSpec {
    QString family{};
    int pixelSize = 0;
    int weight = 400; ///< 100-900, 400 regular, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString styleName{}; ///< a face's own style ("Condensed Bold"); empty: weight and italic decide

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

/// The sample's font in the layout: Tahoma, 19 pixels high, regular. Every run starts with it.
inline FontSpec DefaultSampleFont() {
    return {.family = QStringLiteral("Tahoma"), .pixelSize = 19};
}

} // namespace huebit
