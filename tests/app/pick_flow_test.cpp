// The decisions of `huebit --pick`: output, clipboard, exit status, the settings file's lines.
#include "app/command_line.h"
#include "app/pick_flow.h"
#include "core/text_template.h"
#include "settings/settings_walk.h"

#include <gtest/gtest.h>

#include <set>

using namespace huebit;

namespace {

constexpr Color Picked = RGB(250, 100, 5);
const QString Html = QStringLiteral("#hRhGhB - HTML");

// Indices of the lines that differ.
std::set<int> changedLines(const SettingsBuffer& before, const SettingsBuffer& after) {
    std::set<int> changed;
    for (int i = 0; i < std::max(before.size(), after.size()); ++i)
        if (before.line(i) != after.line(i)) changed.insert(i);
    return changed;
}

std::set<int> range(int first, int last) {
    std::set<int> s;
    for (int i = first; i <= last; ++i)
        s.insert(i);
    return s;
}

std::set<int> joined(std::set<int> a, const std::set<int>& b) {
    a.insert(b.begin(), b.end());
    return a;
}

} // namespace

TEST(PickFlow, OutcomeOfAPickOrACancel) {
    const struct {
        const char* name;
        std::optional<Color> picked;
        PickOptions options;
        int exitCode;
        const char* printed;
        std::optional<QString> clipboard;
    } cases[] = {
        {"cancel", std::nullopt, {}, 1, "", std::nullopt},
        {"cancel with a format", std::nullopt, {"hRhGhB", false}, 1, "", std::nullopt},
        {"active template", Picked, {}, 0, "#FA6405\n", QStringLiteral("#FA6405")},
        {"--format", Picked, {"hRhGhB", true}, 0, "FA6405\n", QStringLiteral("FA6405")},
        {"--format with a label",
         Picked,
         {"RGB(dR,dG,dB) - Windows", true},
         0,
         "RGB(250,100,5)\n",
         QStringLiteral("RGB(250,100,5)")},
        {"--no-copy", Picked, {{}, false}, 0, "#FA6405\n", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PickOutcome o = DecidePickOutcome(c.picked, c.options, Html);
        EXPECT_EQ(o.exitCode, c.exitCode);
        EXPECT_EQ(o.printed, QString::fromLatin1(c.printed));
        EXPECT_EQ(o.clipboardText, c.clipboard);
        EXPECT_EQ(o.handOver, c.picked); // a pick always reaches the window or the file
    }
}

TEST(PickFlow, ActiveEntryIsTheStoredSelectionOrTheDefault) {
    const QString fallback = DefaultTemplates().value(DefaultTemplateIndex);
    const struct {
        const char* name;
        QStringList templates;
        int index;
        QString want;
    } cases[] = {
        {"selected", {"a", "dR dG dB - dec"}, 1, "dR dG dB - dec"},
        {"typed (nothing selected)", {"a"}, -1, fallback},
        {"past the list", {"a"}, 5, fallback},
        {"an empty entry", {"a", ""}, 1, fallback},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsRecord r;
        r.templates = c.templates;
        r.templateIndex = c.index;
        EXPECT_EQ(ActiveTemplateEntry(r), c.want);
    }
}

TEST(PickFlow, SettingsFileTakesTheColourAndNothingElse) {
    namespace L = SettingsLine;
    SettingsRecord textTarget;
    textTarget.target = ColorTarget::Text;
    SettingsRecord alreadyNewest;
    alreadyNewest.previousColors[0] = Picked;
    alreadyNewest.sampleBackground = Picked;
    SettingsRecord full;
    for (int i = 0; i < 20; ++i)
        full.previousColors[i] = RGB(i, i, i);
    const std::set<int> history = range(L::PreviousColors, L::PreviousColors + 59);
    const std::set<int> background = range(L::SampleBackground, L::SampleBackground + 2);
    const std::set<int> text = range(L::SampleTextColor, L::SampleTextColor + 2);
    const struct {
        const char* name;
        SettingsBuffer before;
        std::set<int> changed;
        ColorTarget target;
    } cases[] = {
        // An empty strip shifts empty slots: only the newest slot reads differently.
        {"defaults: background", ToSettingsBuffer({}), joined(background, range(73, 75)),
         ColorTarget::Background},
        {"text target", ToSettingsBuffer(textTarget), joined(text, range(73, 75)),
         ColorTarget::Text},
        {"already the newest: no second entry",
         ToSettingsBuffer(alreadyNewest),
         {},
         ColorTarget::Background},
        {"full strip: the oldest goes", ToSettingsBuffer(full), joined(background, history),
         ColorTarget::Background},
        {"short file: grows to the full length", SettingsBuffer(QStringList(13, "7")),
         joined(background, range(13, 193)), ColorTarget::Background},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SettingsBuffer after = WithPickedColor(c.before, Picked);
        const SettingsRecord read = ReadSettingsRecord(after);
        EXPECT_EQ(read.previousColors[0], Picked);
        EXPECT_EQ(c.target == ColorTarget::Text ? read.sampleTextColor : read.sampleBackground,
                  Picked);
        if (c.before.size() == SettingsLineCount) {
            EXPECT_EQ(changedLines(c.before, after), c.changed);
            // The strip moved on by one: what was newest is second now.
            const SettingsRecord old = ReadSettingsRecord(c.before);
            if (old.previousColors[0] != Picked) {
                EXPECT_EQ(read.previousColors[1], old.previousColors[0]);
            }
        } else {
            EXPECT_EQ(after.size(), SettingsLineCount);
            EXPECT_EQ(after.lines().mid(0, 5), c.before.lines().mid(0, 5));
        }
    }
}

TEST(PickFlow, CommandLineOptions) {
    const QString exe = QStringLiteral("huebit");
    const struct {
        const char* name;
        QStringList arguments;
        int exitCode; ///< -1: the program runs
        std::optional<PickOptions> pick;
    } cases[] = {
        {"no pick", {exe}, -1, std::nullopt},
        {"pick", {exe, "--pick"}, -1, PickOptions{}},
        {"all three",
         {exe, "--pick", "--format", "hRhGhB", "--no-copy"},
         -1,
         PickOptions{"hRhGhB", false}},
        {"format after =", {exe, "--pick", "--format=dR"}, -1, PickOptions{"dR", true}},
        {"format without pick", {exe, "--format", "dR"}, 2, std::nullopt},
        {"no-copy without pick", {exe, "--no-copy"}, 2, std::nullopt},
        {"format without its template", {exe, "--pick", "--format"}, 2, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CommandLine line;
        const CommandLineRequest r = line.parse(c.arguments);
        EXPECT_EQ(r.run ? -1 : r.exitCode, c.exitCode);
        if (r.run) {
            EXPECT_EQ(line.pickOptions(), c.pick);
        }
    }
    CommandLine line;
    const QString help = line.parse({exe, "--help"}).out;
    for (const char* option : {"--pick", "--format <template>", "--no-copy"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
}
