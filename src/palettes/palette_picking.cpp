#include "palettes/palette_picking.h"

namespace huebit {

namespace {

bool alone(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, Qt::MouseButton button) {
    const auto keys = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return buttons == button && keys == Qt::NoModifier;
}

} // namespace

QString PointerColorText(const QString& title, Color c, bool components, bool hsv) {
    if (!components) return title;
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    if (hsv) {
        const HsvReadout h = HsvReadoutOf(RgbToHsv(r, g, b));
        return QStringLiteral("%1 ( h=%2 s=%3 v=%4 )").arg(title).arg(h.h).arg(h.s).arg(h.v);
    }
    return QStringLiteral("%1 ( r=%2 g=%3 b=%4 )").arg(title).arg(r).arg(g).arg(b);
}

PalettePicking::PalettePicking(ColorModel& model, const UiTexts& texts, const HintOptions& options,
                               ShellState& shell)
    : m_model(model), m_texts(texts), m_options(options), m_shell(shell) {}

void PalettePicking::AddElement(PaletteId id, const PixelBuffer& buffer, QSize area,
                                int titleIndex, ColorOrigin dragOrigin, ColorOrigin releaseOrigin) {
    m_elements.insert_or_assign(
        id, PaletteElement{id, &buffer, area, titleIndex, dragOrigin, releaseOrigin, {}});
}

void PalettePicking::selectTargetFor(Qt::MouseButton button) {
    if (button == Qt::LeftButton) m_model.SelectBackgroundTarget();
    else if (button == Qt::RightButton) m_model.SelectTextTarget();
}

QString PalettePicking::titleFor(const PaletteElement& e, int y) const {
    QString title = m_texts[e.titleIndex];
    // The gradient's title carries the pointer's height: 0 % at the top, 99 % at the bottom.
    if (e.id == PaletteId::Gradient) {
        title += QString::number(Round((long double)(100 * y) / e.buffer->height())) +
                 QLatin1Char('%');
    }
    return title;
}

void PalettePicking::Press(PaletteId id, Qt::MouseButton button, int x, int y) {
    const PaletteElement& e = m_elements.at(id);
    if (!e.contains(x, y)) return;
    if (id == PaletteId::Gradient) {
        // The gradient sets the addressed sample colour at once; the current colour follows
        // only on the drag or the release (or the target switch below).
        if (button == Qt::LeftButton) m_model.SetSampleColor(ColorTarget::Background, e.pixel(x, y));
        else if (button == Qt::RightButton) m_model.SetSampleColor(ColorTarget::Text, e.pixel(x, y));
    }
    selectTargetFor(button);
}

void PalettePicking::Move(PaletteId id, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                          int x, int y) {
    const PaletteElement& e = m_elements.at(id);
    if (!e.contains(x, y)) return;
    ShowPointerColor(id, x, y, titleFor(e, y));
    if (alone(buttons, modifiers, Qt::LeftButton)) {
        m_model.SelectBackgroundTarget();
        m_model.ApplyColor(e.pixel(x, y), e.dragOrigin);
    } else if (alone(buttons, modifiers, Qt::RightButton)) {
        m_model.SelectTextTarget();
        m_model.ApplyColor(e.pixel(x, y), e.dragOrigin);
    }
}

void PalettePicking::Release(PaletteId id, Qt::MouseButton button, int x, int y) {
    const PaletteElement& e = m_elements.at(id);
    if (!e.contains(x, y)) return;
    selectTargetFor(button);
    m_model.ApplyColor(e.pixel(x, y), e.releaseOrigin);
    // The drag has usually made the colour current already, so ApplyColor alone would not
    // record it.
    m_model.PushPreviousColor();
}

void PalettePicking::ShowPointerColor(PaletteId id, int x, int y, const QString& title) {
    PaletteElement& e = m_elements.at(id);
    const Color c = e.pixel(x, y);
    if (m_options.useIndicator) SetIndicatorColor(c);
    if (!m_options.interactiveHints) return;
    e.statusText = PointerColorText(title, c, m_options.componentsInHint, m_options.hsvNotation);
    emit statusTextChanged(id, e.statusText);
}

void PalettePicking::SetIndicatorColor(Color c) {
    if (c == m_indicator) return;
    m_indicator = c;
    emit indicatorChanged(c);
}

void PalettePicking::FollowPointer(Color c) {
    if (m_options.interactiveHints) SetIndicatorColor(c);
}

void PalettePicking::GreyMarkerPressed() {
    m_model.ApplyColor(m_model.Markers().grey.color, coNormal);
}

void PalettePicking::MarkerHovered(int marker) {
    if (!m_options.interactiveHints) return;
    const Color colours[] = {RGB(0, 0, 0), RGB(255, 255, 255), m_model.LastColor(),
                             m_model.Markers().grey.color};
    SetIndicatorColor(colours[marker]);
}

void PalettePicking::SampleHovered() {
    if (m_options.interactiveHints) SetIndicatorColor(m_model.TargetedSampleColor());
}

void PalettePicking::pageText(int index) {
    if (m_options.interactiveHints) emit statusMessage(m_texts[index]);
}

int PalettePicking::PalettePageChanged(int page, ColorDialog& dialog) {
    pageText(2 + page);
    if (page != 3) return page;
    const Color initial = m_model.Target() == ColorTarget::Background
                              ? m_model.SampleState().background
                              : m_model.SampleState().text;
    m_shell.dialogOpen = true;
    const std::optional<Color> chosen = dialog.pick(initial);
    m_shell.dialogOpen = false;
    if (chosen) m_model.ApplyColor(*chosen, coNormal);
    pageText(2);
    return 0;
}

void PalettePicking::RefinePageChanged(int page) { pageText(32 + page); }
void PalettePicking::EditorPageChanged(int page) { pageText(35 + page); }

} // namespace huebit
