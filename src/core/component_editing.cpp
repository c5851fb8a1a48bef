#include "core/component_editing.h"

#include "core/component_text.h"
#include "core/css_color_reader.h"

#include <algorithm>

namespace huebit {

namespace {

constexpr int BarTextIndex[] = {17, 18, 19, 20, 21, 22};
constexpr int FailedRgbText = 1;
constexpr int FailedHsvText = 23;

// Each range text begins with a blank and ends with one backslash.
const char* rangeText(Bar bar) {
    switch (bar) {
    case Bar::Hue: return " 0-360\\";
    case Bar::Sat:
    case Bar::Val: return " 0-100\\";
    default: return " 0-255\\";
    }
}

int readoutAt(Bar bar, int w) {
    if (IsRgbBar(bar)) return ComponentFromBarFill(w, RgbBarWidth);
    if (bar == Bar::Hue) return HueReadoutFromFill(w, HsvBarWidth);
    return PercentReadoutFromFill(w, HsvBarWidth);
}

bool leftButtonAlone(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    const auto keys = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return buttons == Qt::LeftButton && keys == Qt::NoModifier;
}

} // namespace

ComponentEditing::ComponentEditing(ColorModel& model, const UiTexts& texts)
    : m_model(model), m_texts(texts) {}

QString ComponentEditing::BarName(Bar bar) const { return m_texts[BarTextIndex[int(bar)]]; }

void ComponentEditing::BarDown(Bar bar, int x, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    m_model.SetBarFill(bar, std::max(0, x));
    if (IsRgbBar(bar)) m_model.ApplyColor(m_model.ColorFromBars(), coNormal);
    else convertHsvBars(coHsvPick);
}

void ComponentEditing::BarMove(Bar bar, int x, Qt::MouseButtons buttons,
                               Qt::KeyboardModifiers modifiers) {
    QString& hint = m_hints[std::size_t(bar)];
    hint = BarName(bar) + QLatin1String(rangeText(bar)) +
           QString::number(readoutAt(bar, m_model.Bars()[bar])) + QLatin1Char('\\') +
           QString::number(readoutAt(bar, x));
    emit barHintChanged(bar, hint);
    if (!leftButtonAlone(buttons, modifiers)) return;
    m_model.SetBarFill(bar, std::clamp(x, 0, BarWidth(bar)));
    if (IsRgbBar(bar)) m_model.ApplyColor(m_model.ColorFromBars(), coDrag);
    else convertHsvBars(coHsvDrag);
}

void ComponentEditing::BarUp(Bar bar, int x, Qt::MouseButton button) {
    if (button == Qt::LeftButton) releaseAt(bar, x);
}

void ComponentEditing::releaseAt(Bar bar, int x) {
    m_model.SetBarFill(bar, std::clamp(x, 0, BarWidth(bar)));
    if (IsRgbBar(bar)) m_model.ApplyColor(m_model.ColorFromBars(), coNormal);
    else convertHsvBars(coHsvPick);
}

// Both HSV origins skip the HSV readout, so the bars and fields keep what the user set.
void ComponentEditing::convertHsvBars(ColorOrigin origin) {
    const ComponentBars& b = m_model.Bars();
    const Rgb c = HsvToRgb(BarFraction(b.hue, HsvBarWidth), BarFraction(b.sat, HsvBarWidth),
                           BarFraction(b.val, HsvBarWidth));
    UpdateHsvEdits();
    m_model.ApplyColor(RGB(c.r, c.g, c.b), origin);
}

void ComponentEditing::UpdateHsvEdits() {
    const ComponentBars& b = m_model.Bars();
    m_model.SetComponentText(ComponentField::Hue, DecimalText(HueReadoutFromFill(b.hue, HsvBarWidth)));
    m_model.SetComponentText(ComponentField::Sat,
                             DecimalText(PercentReadoutFromFill(b.sat, HsvBarWidth)));
    m_model.SetComponentText(ComponentField::Val,
                             DecimalText(PercentReadoutFromFill(b.val, HsvBarWidth)));
}

void ComponentEditing::FieldEdited(ComponentField field, const QString& text) {
    m_model.SetComponentText(field, text);
}

void ComponentEditing::EnterDecimal() { enterRgbFields(false, FailedRgbText); }
void ComponentEditing::EnterHex() { enterRgbFields(true, FailedRgbText); }

// Blue, then green, then red are read; a field that cannot be read fails the whole Enter.
bool ComponentEditing::enterRgbFields(bool hex, int failureText) {
    const ComponentTexts& t = m_model.Texts();
    auto read = [&](ComponentField dec, ComponentField hx) {
        return hex ? ReadHexText(t[hx]) : ReadDecimalText(t[dec]);
    };
    const auto blue = read(ComponentField::DecBlue, ComponentField::HexBlue);
    const auto green = read(ComponentField::DecGreen, ComponentField::HexGreen);
    const auto red = read(ComponentField::DecRed, ComponentField::HexRed);
    if (!blue || !green || !red) {
        emit statusMessage(m_texts[failureText]);
        return false;
    }
    m_model.ApplyColor(RGB(ClampByte(*red), ClampByte(*green), ClampByte(*blue)), coNormal);
    return true;
}

void ComponentEditing::ApplyHsvEdits() {
    struct Limit {
        ComponentField field;
        int max;
    };
    const Limit limits[] = {{ComponentField::Hue, 360}, {ComponentField::Sat, 100},
                            {ComponentField::Val, 100}};
    // Field by field, each read afresh; corrections made before a failing read stay.
    for (const Limit& l : limits) {
        const auto v = ReadDecimalText(m_model.Texts()[l.field]);
        if (!v) {
            emit statusMessage(m_texts[FailedHsvText]);
            return;
        }
        if (*v < 0) m_model.SetComponentText(l.field, QStringLiteral("0"));
        else if (*v > l.max) m_model.SetComponentText(l.field, QString::number(l.max));
    }
    const int h = *ReadDecimalText(m_model.Texts()[ComponentField::Hue]);
    const int s = *ReadDecimalText(m_model.Texts()[ComponentField::Sat]);
    const int v = *ReadDecimalText(m_model.Texts()[ComponentField::Val]);
    const Rgb c = HsvToRgb(double((long double)h / 360), double((long double)s / 100),
                           double((long double)v / 100));
    m_model.SetBarFill(Bar::Hue, HueFillFromReadout(h, HsvBarWidth));
    m_model.SetBarFill(Bar::Sat, PercentFillFromReadout(s, HsvBarWidth));
    m_model.SetBarFill(Bar::Val, PercentFillFromReadout(v, HsvBarWidth));
    m_model.ApplyColor(RGB(c.r, c.g, c.b), coHsvPick);
}

void ComponentEditing::selectTargetFor(Qt::MouseButton button) {
    if (button == Qt::LeftButton) m_model.SelectBackgroundTarget();
    else if (button == Qt::RightButton) m_model.SelectTextTarget();
}

void ComponentEditing::SwatchDown(int component, Qt::MouseButton button) {
    selectTargetFor(button);
    m_model.ApplyColor(m_model.Swatches().swatch[std::size_t(component)], coNormal);
}

void ComponentEditing::GreyDown(int component, Qt::MouseButton button) {
    selectTargetFor(button);
    const int fromBar[] = {m_model.RedFromBar(), m_model.GreenFromBar(), m_model.BlueFromBar()};
    const int v = fromBar[component];
    m_model.ApplyColor(RGB(v, v, v), coNormal);
}

void ComponentEditing::EnterTypedColor(const QString& typed) {
    // A CSS colour is read as CSS; anything else goes to the template walk as it always has.
    if (const std::optional<CssColorRead> css = ReadCssColor(typed)) {
        m_model.ApplyColor(css->colour, coNormal);
        if (const QString note = CssReadNote(*css); !note.isEmpty()) emit statusMessage(note);
        return;
    }
    const TypedColorFields parsed = ParseTypedColor(m_model.Templates().activeEntry(), typed);
    if (parsed.lastKind == FieldKind::None) return;
    for (const auto& [field, text] : parsed.writes) m_model.SetComponentText(field, text);
    // Each field action reports its own failure (text entries 1 and 23), so nothing is left
    // for the parser's own message.
    switch (parsed.lastKind) {
    case FieldKind::DecimalRgb: EnterDecimal(); break;
    case FieldKind::HexRgb: EnterHex(); break;
    case FieldKind::Hsv: ApplyHsvEdits(); break;
    case FieldKind::None: break;
    }
}

} // namespace huebit
