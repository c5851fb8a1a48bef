// Loading the settings: which values apply, in which order, and what a written file reads back.
#include "core/text_template.h"
#include "settings/settings_walk.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace huebit;
namespace L = SettingsLine;

namespace {

// Writes down every operation a load runs, in order.
class LogTarget final : public SettingsTarget {
public:
    QStringList log;

    void setWindowLeft(int x) override { add("left", x); }
    void setWindowTop(int y) override { add("top", y); }
    void selectPalettePage(int i) override { add("palettes", i); }
    void selectTextTarget() override { log << "text target"; }
    void hideSampleText() override { log << "hide text"; }
    void setSampleBackground(Color c) override { add("background", int(c)); }
    void setSampleTextColor(Color c) override { add("text colour", int(c)); }
    void switchOffInteractiveHints() override { log << "hints off"; }
    void paintUserPaletteSlot(int slot, Color c) override { add("user " + QString::number(slot), int(c)); }
    void paintPreviousColorSlot(int slot, Color c) override { add("prev " + QString::number(slot), int(c)); }
    void setTemplates(const QStringList& e) override { add("templates", int(e.size())); }
    void applyTargetColor() override { log << "apply"; }
    void setSampleText(const QString& t) override { log << "sample text " + t; }
    void selectTemplate(int i) override { add("template", i); }
    void renderColorText() override { log << "render"; }
    void clearSampleCaption() override { log << "clear caption"; }
    void setOpenOnHover(bool on) override { add("hover", on); }
    void setIndicatorMode(IndicatorMode m) override { add("indicator", int(m)); }
    void setReadableTextAaa(bool on) override { add("aaa", on); }
    void selectLanguage(const QString& n) override { log << "language " + n; }
    void setOpenOnScreenPage(bool on) override { add("screen page", on); }
    void setStartInMiniWindow(bool on) override { add("mini", on); }
    void setComponentsInHint(bool on) override { add("components", on); }
    void selectEditorPage(int i) override { add("editors", i); }
    void selectAuxPage(int i) override { add("aux", i); }
    void setRefreshScreenOnOpen(bool on) override { add("refresh", on); }
    void setUseIndicator(bool on) override { add("use indicator", on); }
    void setStayOnTop(bool on) override { add("on top", on); }
    void setHsvInHint(bool hsv) override { add("hsv", hsv); }
    void setFontSize(int p) override { add("font size", p); }
    void setFontName(const QString& n) override { log << "font " + n; }
    void setSampleWidth(int w) override { add("width", w); }
    void setSampleHeight(int h) override { add("height", h); }
    void setSampleContour(bool on) override { add("contour", on); }
    void setSampleSquare(bool on) override { add("square", on); }
    void setTransparency(int v) override { add("transparency", v); }
    void setLargeIndicator() override { log << "large indicator"; }

private:
    void add(const QString& what, int value) { log << what + " " + QString::number(value); }
};

QStringList loadLog(const SettingsBuffer& b) {
    LogTarget t;
    ApplySettings(b, t);
    return t.log;
}

SettingsBuffer withLine(SettingsBuffer b, int index, const QString& text) {
    QStringList lines = b.lines();
    while (lines.size() <= index) lines.append(QString());
    lines[index] = text;
    return SettingsBuffer(lines);
}

// A record in which every read setting differs from its default.
SettingsRecord unusualRecord() {
    SettingsRecord r;
    r.windowPos = {-12, 345};
    r.palettePage = 2;
    r.target = ColorTarget::Text;
    r.sampleBackground = RGB(1, 2, 3);
    r.sampleTextColor = RGB(250, 0, 128);
    r.hints = {false, false, true, false};
    for (int i = 0; i < 20; ++i) {
        r.userPalette[i] = RGB(i, 10 * i, 255 - i);
        r.previousColors[i] = RGB(200 - i, i, 7);
    }
    r.templates = QStringList{"dR-dG-dB", "", QStringLiteral("Цвет dH")};
    r.templateIndex = 2;
    r.sampleText = QStringLiteral("Пример текста");
    r.editorPage = 1;
    r.auxPage = 2;
    r.floatingPanel = {10, 20, 100, 50};
    r.sample = {33, 44, true, false, true};
    r.shell = {false, IndicatorMode::Dynamic, "ru.lng", false, false, false, false,
               14, "DejaVu Sans", 0, true};
    return r;
}

} // namespace

TEST(SettingsInt, DecimalIntegersOnly) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},           {"42", 42},          {"-7", -7},       {"+7", 7},
        {" 12 ", 12},       {"007", 7},          {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},  {"", std::nullopt},
        {" ", std::nullopt}, {"-", std::nullopt}, {"12px", std::nullopt},
        {"0x10", std::nullopt}, {"1e3", std::nullopt}, {"1.5", std::nullopt},
        {"true", std::nullopt}, {"1 2", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseSettingsInt(QString::fromLatin1(c.text)), c.value) << c.text;
    }
}

TEST(SettingsWalk, WrittenRecordReadsBackWhole) {
    for (const SettingsRecord& r : {SettingsRecord{}, unusualRecord()}) {
        const QByteArray bytes = ToSettingsBuffer(r).toBytes();
        const SettingsBuffer read = SettingsBuffer::FromBytes(bytes);
        EXPECT_TRUE(ReadSettingsRecord(read) == r);
        // Through this build a file comes back byte for byte.
        EXPECT_EQ(ToSettingsBuffer(ReadSettingsRecord(read)).toBytes(), bytes);
    }
}

TEST(SettingsWalk, LinesWrittenButNeverRead) {
    const SettingsRecord r = unusualRecord();
    const SettingsBuffer b = ToSettingsBuffer(r);
    EXPECT_EQ(b.line(L::TemplateIndexCopy), "2");
    EXPECT_EQ(b.line(L::EditorPageCopy), "1");
    SettingsBuffer changed = withLine(b, L::TemplateIndexCopy, "0");
    changed = withLine(changed, L::EditorPageCopy, "junk");
    EXPECT_TRUE(ReadSettingsRecord(changed) == r);
    EXPECT_EQ(loadLog(changed), loadLog(b));
}

TEST(SettingsWalk, GroupsRunInOrder) {
    const QStringList log = loadLog(ToSettingsBuffer(unusualRecord()));
    const QStringList order = {"left", "top", "palettes 2", "text target", "background",
                               "text colour", "hints off", "user 0", "user 19", "prev 0",
                               "prev 19", "templates 3", "apply", "sample text", "template 2",
                               "render", "hover 0", "indicator 0", "aaa 1", "language ru.lng",
                               "screen page 0", "mini 0", "components 0", "palettes 2",
                               "editors 1", "aux 2", "use indicator 0", "components 0",
                               "on top 0", "refresh 0", "hsv 1", "font size 14",
                               "font DejaVu Sans", "width 33", "height 44", "contour 0",
                               "square 1", "transparency 0", "large indicator"};
    qsizetype at = 0;
    for (const QString& step : order) {
        qsizetype found = at;
        while (found < log.size() && !log[found].startsWith(step)) ++found;
        ASSERT_LT(found, log.size()) << "missing or out of order: " << step.toStdString() << "\n"
                             << log.join('\n').toStdString();
        at = found + 1;
    }
    EXPECT_FALSE(log.contains("hide text"));
    EXPECT_FALSE(log.contains("clear caption"));
}

TEST(SettingsWalk, AnIntegerLineThatIsNotOneEndsOnlyItsGroup) {
    const SettingsBuffer full = ToSettingsBuffer(unusualRecord());
    const struct {
        int line;
        const char* text;
        QStringList absent;  // steps the ended group no longer runs
        QStringList present; // steps of the same and later groups that still run
    } cases[] = {
        {L::WindowLeft, "x", {"left", "top"}, {"palettes", "background"}},
        {L::WindowTop, "", {"top"}, {"left -12", "palettes"}},
        {L::SampleBackground + 1, "", {"background", "text colour"}, {"hints off"}},
        {L::SampleTextColor + 2, "9.5", {"text colour"}, {"background 197121", "hints off"}},
        {L::UserPalette + 4, "blue", {"user 1 "}, {"user 0", "user 2", "prev 0"}},
        {L::PreviousColors + 59, "", {"prev 19"}, {"prev 18", "templates"}},
        {L::TemplateIndex, "x", {"template ", "render"}, {"sample text", "hover", "language"}},
        {L::PalettePageAgain, "", {"editors", "aux"}, {"mini 0", "use indicator"}},
        {L::EditorPage, "-", {"editors", "aux"}, {"palettes 2", "use indicator"}},
        {L::FontSize, "big", {"font size"}, {"font DejaVu", "width 33"}},
        {L::SampleWidth, "wide", {"width"}, {"height 44"}},
        {L::Transparency, "half", {"transparency"}, {"large indicator"}},
    };
    for (const auto& c : cases) {
        const QStringList log = loadLog(withLine(full, c.line, QString::fromLatin1(c.text)));
        const QString context = QStringLiteral("line %1: %2").arg(c.line).arg(log.join(" | "));
        for (const QString& step : c.absent) {
            EXPECT_TRUE(log.filter(QRegularExpression("^" + QRegularExpression::escape(step))).isEmpty())
                << step.toStdString() << " in " << context.toStdString();
        }
        for (const QString& step : c.present) {
                EXPECT_FALSE(log.filter(QRegularExpression("^" + QRegularExpression::escape(step))).isEmpty())
                << step.toStdString() << " missing in " << context.toStdString();
        }
    }
    // Line 2 names no number: only line 173 selects the palette page.
    const QStringList log = loadLog(withLine(full, L::PalettePage, "two"));
    EXPECT_EQ(log.filter("palettes").size(), 1);
    EXPECT_LT(log.indexOf("text target"), log.indexOf("palettes 2"));
}

TEST(SettingsWalk, ColourComponentsKeepTheirLowEightBits) {
    SettingsBuffer b = withLine(SettingsBuffer(), L::UserPalette, "300");
    b = withLine(b, L::UserPalette + 1, "0");
    b = withLine(b, L::UserPalette + 2, "-1");
    b = withLine(b, L::SampleBackground, "256");
    b = withLine(b, L::SampleBackground + 1, "511");
    b = withLine(b, L::SampleBackground + 2, "1");
    const SettingsRecord r = ReadSettingsRecord(b);
    EXPECT_EQ(r.userPalette[0], RGB(44, 0, 255));
    EXPECT_EQ(r.userPalette[1], EmptySlotColor);
    EXPECT_EQ(r.sampleBackground, RGB(0, 255, 1));
}

TEST(SettingsWalk, TemplateLines) {
    SettingsRecord stored;
    stored.templates = DefaultTemplates();
    SettingsBuffer b = ToSettingsBuffer(stored);
    b = withLine(b, L::Templates, " ");
    b = withLine(b, L::Templates + 1, "");
    b = withLine(b, L::Templates + 2, "  ");
    b = withLine(b, L::Templates + 3, "dR");
    const SettingsRecord r = ReadSettingsRecord(b);
    // The default list fills six places, the rest are blanks: exactly " " is dropped.
    EXPECT_EQ(r.templates,
              (QStringList{"", "  ", "dR", "Hex={hR,hG,hB} - FrontPage", "$00hBhGhR - Delphi"}));
    EXPECT_EQ(r.templateIndex, 2);

    SettingsRecord many;
    for (int i = 0; i < 40; ++i) many.templates << QString::number(i);
    many.templateIndex = 35;
    const SettingsRecord kept = ReadSettingsRecord(ToSettingsBuffer(many));
    EXPECT_EQ(kept.templates.size(), 30);
    EXPECT_EQ(kept.templateIndex, -1); // the selected entry was beyond the 30 kept
}

// A first start offers the CSS notations after the shipped six; a list read from a file is
// taken exactly as stored, so a six-entry list stays six and an edited one gains nothing.
TEST(SettingsWalk, FirstStartListOnlyWithoutAStoredList) {
    EXPECT_EQ(SettingsRecord().templates, FirstStartTemplates());
    EXPECT_EQ(ReadSettingsRecord(ToSettingsBuffer(SettingsRecord())).templates,
              FirstStartTemplates());
    for (const QStringList& list :
         {DefaultTemplates(), QStringList{"dR", "#hRhGhB - HTML"}, QStringList{"{hsl} - CSS"}}) {
        SettingsRecord stored;
        stored.templates = list;
        EXPECT_EQ(ReadSettingsRecord(ToSettingsBuffer(stored)).templates, list);
    }
}

TEST(SettingsWalk, AThirteenLineFile) {
    QStringList lines{"5", "6", "1", "2", "true", "10", "20", "30", "40", "50", "60", "0", "true"};
    SettingsRecord base; // values a load must not touch, set apart from the defaults
    base.editorPage = 1;
    base.auxPage = 2;
    base.sample.width = 30;
    base.shell.fontSize = 12;
    base.shell.fontName = "Serif";
    base.shell.transparency = 50;
    base.shell.largeIndicator = true;
    base.shell.language = "x.lng";
    base.floatingPanel = {1, 2, 3, 4};
    const SettingsRecord r = ReadSettingsRecord(SettingsBuffer(lines), base);

    EXPECT_EQ(r.windowPos, QPoint(5, 6));
    EXPECT_EQ(r.palettePage, 1);
    EXPECT_EQ(r.target, ColorTarget::Text);
    EXPECT_EQ(r.sampleBackground, RGB(10, 20, 30));
    EXPECT_EQ(r.sampleTextColor, RGB(40, 50, 60));
    EXPECT_TRUE(r.hints.interactiveHints);
    EXPECT_EQ(r.userPalette, SettingsRecord().userPalette);
    EXPECT_EQ(r.previousColors, SettingsRecord().previousColors);
    EXPECT_EQ(r.templates, QStringList(30, QString()));
    EXPECT_EQ(r.sampleText, "");
    // Cleared: 170-172, 181-184, 190, 191. Set: hover. Third choice, RGB.
    EXPECT_FALSE(r.shell.openOnScreenPage || r.shell.startInMiniWindow || r.hints.componentsInHint ||
                 r.hints.useIndicator || r.shell.stayOnTop || r.shell.refreshScreenOnOpen ||
                 r.sample.contour || r.sample.square);
    EXPECT_TRUE(r.shell.openOnHover);
    EXPECT_EQ(r.shell.indicatorMode, IndicatorMode::Unused);
    EXPECT_FALSE(r.hints.hsvNotation);
    // Kept: page indices, sizes, font, transparency, panel, indicator size, language.
    EXPECT_EQ(r.editorPage, 1);
    EXPECT_EQ(r.auxPage, 2);
    EXPECT_EQ(r.sample.width, 30);
    EXPECT_EQ(r.sample.height, 20);
    EXPECT_EQ(r.shell.fontSize, 12);
    EXPECT_EQ(r.shell.fontName, "Serif");
    EXPECT_EQ(r.shell.transparency, 50);
    EXPECT_TRUE(r.shell.largeIndicator);
    EXPECT_EQ(r.shell.language, "x.lng");
    EXPECT_EQ(r.floatingPanel, QRect(1, 2, 3, 4));
}

TEST(SettingsWalk, WordsAndTheirReadings) {
    const SettingsBuffer defaults = ToSettingsBuffer(SettingsRecord{});
    const struct {
        int line;
        const char* text;
        const char* step; // expected in the log, or (with a leading '!') absent from it
    } cases[] = {
        {L::IndicatorMode, "din", "indicator 0"},   {L::IndicatorMode, "stat", "indicator 1"},
        {L::IndicatorMode, "no", "indicator 2"},    {L::IndicatorMode, "Stat", "indicator 2"},
        {L::RefreshOnOpen, "false", "!refresh 0"},  {L::RefreshOnOpen, "true", "refresh 1"},
        {L::RefreshOnOpenAgain, "false", "refresh 0"},
        {L::OpenOnHover, "false", "hover 0"},       {L::OpenOnHover, "no", "hover 1"},
        {L::OpenOnHover, "", "hover 1"},            {L::StayOnTop, "True", "on top 0"},
        {L::StayOnTop, "true ", "on top 0"},        {L::HintNotation, "HSV", "hsv 1"},
        {L::HintNotation, "hsv", "hsv 0"},          {L::Target, "1", "!text target"},
        {L::Target, "2 ", "!text target"},          {L::SampleTextShown, "False", "!hide text"},
        {L::SampleTextShown, "false", "clear caption"}, {L::InteractiveHints, "off", "!hints off"},
        {L::LargeIndicator, "TRUE", "!large indicator"}, {L::Language, "", "!language"},
        {L::FontSize, "0", "font size 1"},
        {L::FontSize, "500", "font size 100"},      {L::SampleWidth, "-5", "width 1"},
        {L::SampleHeight, "101", "height 100"},     {L::Transparency, "300", "transparency 255"},
        {L::Transparency, "-1", "transparency 0"},  {L::FontSize, "", "!font size"},
    };
    for (const auto& c : cases) {
        const QStringList log = loadLog(withLine(defaults, c.line, QString::fromUtf8(c.text)));
        const bool absent = c.step[0] == '!';
        const QString step = QString::fromUtf8(c.step + (absent ? 1 : 0));
        const bool found = !log.filter(QRegularExpression("^" + QRegularExpression::escape(step))).isEmpty();
        EXPECT_EQ(found, !absent) << "line " << c.line << " \"" << c.text << "\": " << c.step;
    }
    // 176 "false" leaves the option as it was; only 184 can clear it.
    SettingsRecord cleared;
    cleared.shell.refreshScreenOnOpen = false;
    SettingsBuffer b = withLine(defaults, L::RefreshOnOpen, "false");
    EXPECT_TRUE(ReadSettingsRecord(b).shell.refreshScreenOnOpen);
    EXPECT_FALSE(ReadSettingsRecord(withLine(b, L::RefreshOnOpenAgain, "false")).shell.refreshScreenOnOpen);
}

// Line 168 keeps the readable-text target: exactly "AAA" chooses 7:1; anything else, the filler
// word every older file holds included, 4.5:1, which is written as that filler word again.
TEST(SettingsWalk, ReadableTargetOnLine168) {
    const SettingsBuffer defaults = ToSettingsBuffer(SettingsRecord{});
    EXPECT_EQ(defaults.line(L::ReadableTarget), "blanck");
    const struct {
        const char* text;
        bool aaa;
    } cases[] = {{"blanck", false}, {"AAA", true},  {"aaa", false},  {"", false},
                 {" AAA", false},   {"AAA ", false}, {"AA", false},  {"7", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const SettingsBuffer b = withLine(defaults, L::ReadableTarget, QString::fromLatin1(c.text));
        const SettingsRecord r = ReadSettingsRecord(b);
        EXPECT_EQ(r.sample.aaaText, c.aaa);
        EXPECT_EQ(r.sample.ReadableTarget(), c.aaa ? ReadableTargetAAA : ReadableTargetAA);
        EXPECT_TRUE(loadLog(b).contains(c.aaa ? "aaa 1" : "aaa 0"));
        const SettingsBuffer saved = ToSettingsBuffer(r);
        EXPECT_EQ(saved.lines().size(), SettingsLineCount);
        EXPECT_EQ(saved.line(L::ReadableTarget), c.aaa ? "AAA" : "blanck");
        // Nothing else of the file moves with it.
        EXPECT_EQ(withLine(saved, L::ReadableTarget, "blanck").toBytes(), defaults.toBytes());
    }
}

TEST(SettingsWalk, HiddenSampleTextAndTheTarget) {
    SettingsBuffer b = ToSettingsBuffer(SettingsRecord{});
    b = withLine(b, L::Target, "2");
    b = withLine(b, L::SampleTextShown, "false");
    const QStringList log = loadLog(b);
    EXPECT_LT(log.indexOf("text target"), log.indexOf("hide text"));
    EXPECT_GT(log.indexOf("clear caption"), log.indexOf(QStringLiteral("sample text Цвет текста")));
    const SettingsRecord r = ReadSettingsRecord(b);
    EXPECT_FALSE(r.sampleTextShown);
    EXPECT_EQ(r.target, ColorTarget::Background); // hiding the text selects the background
}

TEST(SettingsWalk, PagesThatNameNoPageLeaveTheControlAsItWas) {
    SettingsRecord base;
    base.palettePage = 1;
    base.auxPage = 1;
    SettingsBuffer b = ToSettingsBuffer(base);
    b = withLine(b, L::PalettePage, "4");
    b = withLine(b, L::PalettePageAgain, "-1");
    b = withLine(b, L::AuxPage, "3");
    const SettingsRecord r = ReadSettingsRecord(b, base);
    EXPECT_EQ(r.palettePage, 1);
    EXPECT_EQ(r.auxPage, 1);
}

TEST(SettingsWalk, PanelGeometryAndWindowPlace) {
    const QRect start(220, 582, 247, 73);
    const struct {
        QStringList lines; // 177-180
        QRect expected;
    } cases[] = {
        {{"100", "50", "10", "20"}, {10, 20, 100, 50}},
        {{"100", "x", "10", "20"}, {220, 582, 100, 73}},
        {{"100", "50", "10", ""}, {10, 582, 100, 50}},
        {{"", "50", "10", "20"}, start},
        // A damaged file's extremes stay within X11's coordinates, and within QRect's arithmetic.
        {{"2147483647", "-5", "2147483647", "-2147483648"}, {32767, -32768, 32767, 0}},
    };
    for (const auto& c : cases) {
        SettingsBuffer b;
        for (int i = 0; i < 4; ++i) b = withLine(b, L::PanelWidth + i, c.lines[i]);
        EXPECT_EQ(PanelGeometryFromSettings(b, start), c.expected) << c.lines.join(',').toStdString();
    }
    LogTarget t;
    ApplyWindowPlace(SettingsBuffer({"-30", "40", "junk"}), t);
    EXPECT_EQ(t.log, (QStringList{"left -30", "top 40"}));
    t.log.clear();
    ApplyWindowPlace(SettingsBuffer({"2147483647", "-2147483648"}), t); // kept on X11's plane
    EXPECT_EQ(t.log, (QStringList{"left 32767", "top -32768"}));
    t.log.clear();
    ApplyWindowPlace(SettingsBuffer(), t); // an empty file: nothing moves
    EXPECT_TRUE(t.log.isEmpty());
}
