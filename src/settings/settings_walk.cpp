#include "settings/settings_walk.h"

#include <algorithm>
#include <limits>

namespace huebit {

namespace L = SettingsLine;

std::optional<int> ParseSettingsInt(QStringView text) {
    text = text.trimmed();
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == QLatin1Char('-');
    if (!text.isEmpty() && (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+'))) ++i;
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > 1LL + std::numeric_limits<int>::max()) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

namespace {

// X11 places windows within 16-bit coordinates. A damaged file's value beyond them is brought
// inside, which also keeps QRect's edge arithmetic from overflowing.
int windowSize(int v) { return std::clamp(v, 0, 32767); }
int windowPlace(int v) { return std::clamp(v, -32768, 32767); }

class Lines {
public:
    explicit Lines(const SettingsBuffer& b) : m_buffer(b) {}
    QString text(int i) const { return m_buffer.line(i); }
    bool is(int i, QLatin1StringView word) const { return m_buffer.line(i) == word; }
    std::optional<int> integer(int i) const { return ParseSettingsInt(m_buffer.line(i)); }
    /// Three lines red, green, blue; only the low 8 bits of each number count.
    std::optional<Color> colour(int first) const {
        const auto r = integer(first);
        if (!r) return std::nullopt;
        const auto g = integer(first + 1);
        if (!g) return std::nullopt;
        const auto b = integer(first + 2);
        if (!b) return std::nullopt;
        return RGB(*r & 0xFF, *g & 0xFF, *b & 0xFF);
    }

private:
    const SettingsBuffer& m_buffer;
};

constexpr QLatin1StringView True("true");
constexpr QLatin1StringView False("false");

// Each group returns early where an integer line ends it.

void sampleColours(const Lines& f, SettingsTarget& t) {
    const auto background = f.colour(L::SampleBackground);
    if (!background) return;
    t.setSampleBackground(*background);
    const auto text = f.colour(L::SampleTextColor);
    if (!text) return;
    t.setSampleTextColor(*text);
}

void sampleTextAndTemplate(const Lines& f, SettingsTarget& t) {
    t.setSampleText(f.text(L::SampleText));
    const auto index = f.integer(L::TemplateIndex);
    if (!index) return;
    t.selectTemplate(*index);
    t.renderColorText();
}

void togglesAndPages(const Lines& f, SettingsTarget& t) {
    t.setOpenOnScreenPage(f.is(L::OpenOnScreenPage, True));
    t.setStartInMiniWindow(f.is(L::StartInMiniWindow, True));
    t.setComponentsInHint(f.is(L::ComponentsInHint, True));
    const auto palettes = f.integer(L::PalettePageAgain);
    if (!palettes) return;
    t.selectPalettePage(*palettes);
    const auto editors = f.integer(L::EditorPage);
    if (!editors) return;
    t.selectEditorPage(*editors);
    const auto aux = f.integer(L::AuxPage);
    if (!aux) return;
    t.selectAuxPage(*aux);
}

IndicatorMode indicatorMode(const QString& word) {
    if (word == QLatin1String("din")) return IndicatorMode::Dynamic;
    if (word == QLatin1String("stat")) return IndicatorMode::Static;
    return IndicatorMode::Unused;
}

} // namespace

void ApplyWindowPlace(const SettingsBuffer& buffer, SettingsTarget& t) {
    const Lines f(buffer);
    const auto left = f.integer(L::WindowLeft);
    if (!left) return;
    t.setWindowLeft(windowPlace(*left));
    const auto top = f.integer(L::WindowTop);
    if (!top) return;
    t.setWindowTop(windowPlace(*top));
}

void ApplySettings(const SettingsBuffer& buffer, SettingsTarget& t) {
    const Lines f(buffer);
    ApplyWindowPlace(buffer, t);                                          // G1
    if (const auto page = f.integer(L::PalettePage)) t.selectPalettePage(*page); // G2
    if (f.is(L::Target, QLatin1StringView("2"))) t.selectTextTarget();    // G3
    if (f.is(L::SampleTextShown, False)) t.hideSampleText();
    sampleColours(f, t);                                                  // G4
    if (f.is(L::InteractiveHints, False)) t.switchOffInteractiveHints();  // G5
    for (int i = 0; i < int(SwatchColors().size()); ++i) {                // G6-G25
        if (const auto c = f.colour(L::UserPalette + 3 * i)) t.paintUserPaletteSlot(i, *c);
    }
    for (int i = 0; i < int(SwatchColors().size()); ++i) {                // G26-G45
        if (const auto c = f.colour(L::PreviousColors + 3 * i)) t.paintPreviousColorSlot(i, *c);
    }
    QStringList templates;                                                // G46
    for (int i = 0; i < L::TemplateSlots; ++i) {
        const QString line = f.text(L::Templates + i);
        if (line != QLatin1String(" ")) templates.append(line);
    }
    t.setTemplates(templates);
    t.applyTargetColor();                                                 // G47
    sampleTextAndTemplate(f, t);                                          // G48
    if (f.is(L::SampleTextShown, False)) t.clearSampleCaption();          // G49
    t.setOpenOnHover(!f.is(L::OpenOnHover, False));
    t.setIndicatorMode(indicatorMode(f.text(L::IndicatorMode)));
    t.setReadableTextAaa(f.is(L::ReadableTarget, QLatin1StringView("AAA")));
    if (const QString language = f.text(L::Language); !language.isEmpty()) // G50
        t.selectLanguage(language);
    togglesAndPages(f, t);                                                // G51
    if (f.is(L::RefreshOnOpen, True)) t.setRefreshScreenOnOpen(true);     // G52
    t.setUseIndicator(f.is(L::UseIndicator, True));                       // G53
    t.setComponentsInHint(f.is(L::ComponentsInHintAgain, True));
    t.setStayOnTop(f.is(L::StayOnTop, True));
    t.setRefreshScreenOnOpen(f.is(L::RefreshOnOpenAgain, True));
    t.setHsvInHint(f.is(L::HintNotation, QLatin1StringView("HSV")));
    if (!f.text(L::FontSize).isEmpty()) {                                 // G54
        if (const auto size = f.integer(L::FontSize)) t.setFontSize(std::clamp(*size, 1, 100));
    }
    if (const QString name = f.text(L::FontName); !name.isEmpty()) t.setFontName(name); // G55
    if (!f.text(L::SampleWidth).isEmpty()) {                              // G56
        if (const auto w = f.integer(L::SampleWidth)) t.setSampleWidth(std::clamp(*w, 1, 100));
    }
    if (!f.text(L::SampleHeight).isEmpty()) {                             // G57
        if (const auto h = f.integer(L::SampleHeight)) t.setSampleHeight(std::clamp(*h, 1, 100));
    }
    t.setSampleContour(f.is(L::SampleContour, True));                     // G58
    t.setSampleSquare(f.is(L::SampleSquare, True));
    if (!f.text(L::Transparency).isEmpty()) {                             // G59
        if (const auto v = f.integer(L::Transparency)) t.setTransparency(std::clamp(*v, 0, 255));
    }
    if (f.is(L::LargeIndicator, True)) t.setLargeIndicator();             // G60
}

QRect PanelGeometryFromSettings(const SettingsBuffer& buffer, QRect r) {
    const Lines f(buffer);
    const auto width = f.integer(L::PanelWidth);
    if (!width) return r;
    r.setWidth(windowSize(*width));
    const auto height = f.integer(L::PanelHeight);
    if (!height) return r;
    r.setHeight(windowSize(*height));
    const auto left = f.integer(L::PanelLeft);
    if (!left) return r;
    r.moveLeft(windowPlace(*left));
    const auto top = f.integer(L::PanelTop);
    if (!top) return r;
    r.moveTop(windowPlace(*top));
    return r;
}

namespace {

// Applies a load onto a record, as the window would hold it afterwards.
class RecordTarget final : public SettingsTarget {
public:
    explicit RecordTarget(SettingsRecord& r) : m_r(r) {}

    void setWindowLeft(int x) override { m_r.windowPos.setX(x); }
    void setWindowTop(int y) override { m_r.windowPos.setY(y); }
    void selectPalettePage(int i) override { page(m_r.palettePage, i, PalettePageCount); }
    void selectTextTarget() override {
        if (m_r.sampleTextShown) m_r.target = ColorTarget::Text;
    }
    void hideSampleText() override {
        m_r.sampleTextShown = false;
        m_r.target = ColorTarget::Background;
    }
    void setSampleBackground(Color c) override { m_r.sampleBackground = c; }
    void setSampleTextColor(Color c) override { m_r.sampleTextColor = c; }
    void switchOffInteractiveHints() override { m_r.hints.interactiveHints = false; }
    void paintUserPaletteSlot(int slot, Color c) override { m_r.userPalette[slot] = c; }
    void paintPreviousColorSlot(int slot, Color c) override { m_r.previousColors[slot] = c; }
    void setTemplates(const QStringList& entries) override {
        m_r.templates = entries;
        m_r.templateIndex = -1;
    }
    void applyTargetColor() override {}
    void setSampleText(const QString& text) override { m_r.sampleText = text; }
    void selectTemplate(int i) override {
        m_r.templateIndex = i >= 0 && i < m_r.templates.size() ? i : -1;
    }
    void renderColorText() override {}
    void clearSampleCaption() override {}
    void setOpenOnHover(bool on) override { m_r.shell.openOnHover = on; }
    void setIndicatorMode(IndicatorMode mode) override { m_r.shell.indicatorMode = mode; }
    void setReadableTextAaa(bool on) override { m_r.sample.aaaText = on; }
    void selectLanguage(const QString& name) override { m_r.shell.language = name; }
    void setOpenOnScreenPage(bool on) override { m_r.shell.openOnScreenPage = on; }
    void setStartInMiniWindow(bool on) override { m_r.shell.startInMiniWindow = on; }
    void setComponentsInHint(bool on) override { m_r.hints.componentsInHint = on; }
    void selectEditorPage(int i) override { page(m_r.editorPage, i, EditorPageCount); }
    void selectAuxPage(int i) override { page(m_r.auxPage, i, AuxPageCount); }
    void setRefreshScreenOnOpen(bool on) override { m_r.shell.refreshScreenOnOpen = on; }
    void setUseIndicator(bool on) override { m_r.hints.useIndicator = on; }
    void setStayOnTop(bool on) override { m_r.shell.stayOnTop = on; }
    void setHsvInHint(bool hsv) override { m_r.hints.hsvNotation = hsv; }
    void setFontSize(int points) override { m_r.shell.fontSize = points; }
    void setFontName(const QString& name) override { m_r.shell.fontName = name; }
    void setSampleWidth(int w) override { m_r.sample.width = w; }
    void setSampleHeight(int h) override { m_r.sample.height = h; }
    void setSampleContour(bool on) override { m_r.sample.contour = on; }
    void setSampleSquare(bool on) override { m_r.sample.square = on; }
    void setTransparency(int v) override { m_r.shell.transparency = v; }
    void setLargeIndicator() override { m_r.shell.largeIndicator = true; }

private:
    // A page index that names no page leaves the page control as it is.
    static void page(int& field, int index, int count) {
        if (index >= 0 && index < count) field = index;
    }
    SettingsRecord& m_r;
};

} // namespace

SettingsRecord ReadSettingsRecord(const SettingsBuffer& buffer, SettingsRecord base) {
    RecordTarget target(base);
    ApplySettings(buffer, target);
    base.floatingPanel = PanelGeometryFromSettings(buffer, base.floatingPanel);
    return base;
}

} // namespace huebit
