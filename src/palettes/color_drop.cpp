#include "palettes/color_drop.h"

#include "core/component_text.h"
#include "core/typed_color.h"
#include "output/clipboard_sample.h"

#include <QColor>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QtEndian>

namespace huebit {

namespace {

const QString XColor = QStringLiteral("application/x-color");

std::optional<Color> rgbFields(const ComponentTexts& t, bool hex) {
    const ComponentField* fields = hex ? HexFields : DecimalFields;
    int value[3];
    for (int k = 0; k < 3; ++k) {
        const auto v = hex ? ReadHexText(t[fields[k]]) : ReadDecimalText(t[fields[k]]);
        if (!v) return std::nullopt;
        value[k] = ClampByte(*v);
    }
    return RGB(value[0], value[1], value[2]);
}

// The same corrections the HSV fields' Enter makes.
std::optional<Color> hsvFields(const ComponentTexts& t) {
    const int limits[] = {360, 100, 100};
    int value[3];
    for (int k = 0; k < 3; ++k) {
        const auto v = ReadDecimalText(t[HsvFields[k]]);
        if (!v) return std::nullopt;
        value[k] = std::clamp(*v, 0, limits[k]);
    }
    const Rgb c = HsvToRgb(double((long double)value[0] / 360), double((long double)value[1] / 100),
                           double((long double)value[2] / 100));
    return RGB(c.r, c.g, c.b);
}

// Qt's own drags carry a QColor; GTK's and others' carry red, green, blue and alpha as 16-bit
// values in the machine's order.
std::optional<Color> droppedColor(const QMimeData& data) {
    const QColor qt = data.colorData().value<QColor>();
    if (qt.isValid()) return RGB(qt.red(), qt.green(), qt.blue());
    const QByteArray raw = data.data(XColor);
    if (raw.size() < 6) return std::nullopt;
    const auto channel = [&raw](int i) {
        return int(qFromUnaligned<quint16>(raw.constData() + 2 * i) >> 8);
    };
    return RGB(channel(0), channel(1), channel(2));
}

std::optional<QString> droppedPalette(const QMimeData& data) {
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile())
                                         .suffix()
                                         .compare(QLatin1String("gpl"), Qt::CaseInsensitive) == 0)
            return url.toLocalFile();
    }
    return std::nullopt;
}

} // namespace

std::optional<Color> TypedTextColor(const QString& entry, const ComponentTexts& current,
                                    const QString& typed) {
    const TypedColorFields parsed = ParseTypedColor(entry, typed);
    ComponentTexts t = current;
    for (const auto& [field, text] : parsed.writes)
        t[field] = text;
    switch (parsed.lastKind) {
    case FieldKind::DecimalRgb:
        return rgbFields(t, false);
    case FieldKind::HexRgb:
        return rgbFields(t, true);
    case FieldKind::Hsv:
        return hsvFields(t);
    case FieldKind::None:
        break;
    }
    return std::nullopt;
}

DropOffer ReadDrop(const QMimeData& data, const QString& entry, const ComponentTexts& current) {
    if (data.hasColor() || data.hasFormat(XColor)) {
        if (const auto c = droppedColor(data)) return {DropKind::Color, *c, {}};
    }
    if (data.hasUrls()) {
        if (const auto path = droppedPalette(data)) return {DropKind::PaletteFile, 0, *path};
        return {}; // other files are not colours, whatever their names say as text
    }
    if (data.hasText()) {
        // A text editor's selection may end in a line break; the typed input never sees one.
        const QString text = data.text().trimmed();
        if (!text.contains(QLatin1Char('\n'))) {
            if (const auto c = TypedTextColor(entry, current, text))
                return {DropKind::Color, *c, {}};
        }
    }
    return {};
}

void FillColorDrag(QMimeData& data, Color c, const QString& entry) {
    data.setColorData(QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    data.setText(PickedColorText(entry, c));
}

} // namespace huebit
