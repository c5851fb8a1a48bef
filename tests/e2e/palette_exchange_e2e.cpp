// The user palette through a GIMP palette file and back: saved from the palette menu of one
// start, opened into a fresh start, and the strips compared on screen pixel for pixel.
#include "e2e/e2e_harness.h"
#include "palettes/gimp_palette.h"
#include "palettes/swatch_strip.h"
#include "settings/settings_file.h"
#include "settings/settings_walk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

// The arrow button after the user palette, in the window: the selection page's corner (2, 49)
// plus the button's middle.
constexpr QPoint PaletteMenuButton(2 + 364 + 9, 49 + 167 + 9);

SwatchColors crafted() {
    SwatchColors colours{};
    for (int i = 0; i < SwatchStrip::SlotCount; ++i)
        colours[std::size_t(i)] = RGB(13 * i, 255 - 11 * i, (97 * i) % 256);
    colours[3] = RGB(0, 0, 128); // a named colour: written with its web name
    return colours;
}

PixelBuffer stripOf(const SwatchColors& colours) {
    SwatchStrip strip;
    for (int i = 0; i < SwatchStrip::SlotCount; ++i)
        strip.setSlot(i, colours[std::size_t(i)]);
    return strip.pixels();
}

class PaletteExchangeE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        ASSERT_TRUE(display.ok()) << "Xvfb did not start";
        ASSERT_TRUE(files.isValid());
    }
    QString settingsBeside() const { return QDir(app.workDir()).filePath("Huebit.cnf"); }

    // Opens the palette menu and takes its `downs`-th entry, then answers the file dialog.
    void chooseFile(int downs, const QString& path, const std::function<bool()>& done) {
        app.click(PaletteMenuButton);
        QThread::msleep(300);
        for (int i = 0; i < downs; ++i)
            app.key(QStringLiteral("Down"));
        app.key(QStringLiteral("Return"));
        QThread::msleep(800); // the dialog comes up and takes the keyboard
        app.type(path);
        // The name box's completion list may take the first Return.
        for (int attempt = 0; attempt < 3 && !WaitFor(3000, done); ++attempt)
            app.key(QStringLiteral("Return"));
    }

    XvfbDisplay display;
    HuebitProcess app{display};
    QTemporaryDir files;
};

} // namespace

TEST_F(PaletteExchangeE2E, SavedPaletteOpensIntoAFreshStartAsItWas) {
    SettingsRecord record;
    record.userPalette = crafted();
    ASSERT_EQ(SaveSettingsFile(settingsBeside(), ToSettingsBuffer(record)), QString());
    const PixelBuffer strip = stripOf(crafted());
    const QString path = files.filePath("exported.gpl");

    ASSERT_TRUE(app.start()) << "no Huebit window appeared";
    ASSERT_TRUE(app.waitUntilOpaque());
    ASSERT_TRUE(FindExactly(display.screenshot(), strip)) << "the crafted palette is not shown";
    // Menu: "Добавить цвет", "Очистить палитру", "Сохранить палитру в файл...", ...
    chooseFile(3, path, [&] { return QFile::exists(path); });
    ASSERT_TRUE(QFile::exists(path)) << "nothing was saved";
    const auto saved = ReadGimpPaletteFile(path);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->entries.size(), std::size_t(SwatchStrip::SlotCount));
    EXPECT_EQ(saved->entries[3].name, QStringLiteral("Navy"));
    ASSERT_EQ(app.closeThroughProgram(), std::optional<int>(0));

    // A fresh start: no settings file, so the user palette starts empty.
    ASSERT_TRUE(QFile::remove(settingsBeside()));
    ASSERT_TRUE(app.start()) << "no Huebit window appeared the second time";
    ASSERT_TRUE(app.waitUntilOpaque());
    ASSERT_FALSE(FindExactly(display.screenshot(), strip));
    chooseFile(4, path, [&] { return FindExactly(display.screenshot(), strip).has_value(); });
    EXPECT_TRUE(FindExactly(display.screenshot(), strip)) << "the opened palette differs";
}
