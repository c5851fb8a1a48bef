#include "shell/keep_on_screen.h"
#include "shell/panel_on_screen.h"
#include "shell/panel_resize.h"
#include "shell/window_shell.h"

#include <gtest/gtest.h>

using namespace huebit;

namespace {
const QSize Mini(34, 23);
const QRect Screen(0, 0, 1024, 768);
} // namespace

TEST(HoverArea, BothFarEdgesCountAsInside) {
    const QRect mini(100, 50, 34, 23);
    const struct {
        QPoint p;
        bool inside;
    } cases[] = {
        {{100, 50}, true},  {{134, 50}, true},  {{100, 73}, true}, {{134, 73}, true},
        {{135, 60}, false}, {{120, 74}, false}, {{99, 60}, false}, {{120, 49}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointerInHoverArea(c.p, mini), c.inside) << c.p.x() << "," << c.p.y();
}

TEST(KeepOnScreen, OneScreenFollowsTheMiniWindowRule) {
    const struct {
        QPoint at, kept;
    } cases[] = {
        {{0, 0}, {0, 0}},           {{-5, -1}, {0, 0}},
        {{-300, 200}, {0, 200}},    // a full window hanging off the left comes back whole
        {{1000, 700}, {1000, 700}}, // 24 x 13 still on the screen
        {{1001, 700}, {990, 700}},  // past W - 24: 34 pixels visible again
        {{5000, 755}, {990, 755}},  {{500, 756}, {500, 745}}, // past H - 13
        {{2000, 2000}, {990, 745}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepOnScreen(c.at, Mini, {Screen}), c.kept) << c.at.x() << "," << c.at.y();
}

TEST(KeepOnScreen, SeveralScreensKeepWhatAnyScreenShows) {
    // A 1024 x 768 screen with a shorter 800 x 600 one to its right.
    const std::vector<QRect> two{Screen, QRect(1024, 0, 800, 600)};
    const struct {
        QPoint at, kept;
    } cases[] = {
        {{1500, 300}, {1500, 300}}, // on the second screen: stays
        {{1010, 100}, {1010, 100}}, // across the seam: still fully shown
        {{1800, 300}, {1800, 300}}, // 24 pixels on the second screen
        {{1801, 300}, {1790, 300}}, // past the second screen's right edge
        {{1500, 700}, {1500, 577}}, // below the shorter screen: onto it
        {{1030, 760}, {990, 745}},  // below both: the first screen is nearer
        {{1100, 700}, {990, 700}},  // nearer the first screen's edge than the second's
        {{-40, 900}, {0, 745}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepOnScreen(c.at, Mini, two), c.kept) << c.at.x() << "," << c.at.y();
    // A screen to the left with negative coordinates.
    EXPECT_EQ(KeepOnScreen({-600, 10}, Mini, {Screen, QRect(-1280, 0, 1280, 1024)}),
              QPoint(-600, 10));
    EXPECT_EQ(KeepOnScreen({7, 9}, Mini, {}), QPoint(7, 9));
}

TEST(PanelResize, KeepsTheBottomRightCornerAndTheMinimum) {
    const QRect panel(220, 582, 247, 73); // bottom-right corner at 467, 655
    const struct {
        QRect from;
        QPoint start, to;
        QRect want;
    } cases[] = {
        {panel, {230, 590}, {240, 600}, QRect(230, 592, 237, 63)},      // right and down shrinks
        {panel, {230, 590}, {200, 580}, QRect(190, 572, 277, 83)},      // left and up grows
        {panel, {230, 590}, {900, 590}, QRect(446, 582, 21, 73)},       // never below 21 wide
        {panel, {230, 590}, {230, 900}, QRect(220, 634, 247, 21)},      // nor 21 high
        {QRect(10, 10, 20, 50), {0, 0}, {5, 5}, QRect(10, 10, 21, 50)}, // too small: set to 21
    };
    for (const auto& c : cases) {
        const PanelResizeStep s = ResizePanel(c.from, c.start, c.to);
        EXPECT_EQ(s.geometry, c.want);
        if (c.from.width() >= PanelMinimumSide) {
            EXPECT_EQ(s.start, c.to);
        }
    }
    // A drag made of many small steps ends where one long step does.
    QRect g = panel;
    QPoint start(230, 590);
    for (int i = 1; i <= 30; ++i) {
        const PanelResizeStep s = ResizePanel(g, start, QPoint(230 + 10 * i, 590 + 2 * i));
        g = s.geometry;
        start = s.start;
        EXPECT_EQ(g.x() + g.width(), 467);
        EXPECT_EQ(g.y() + g.height(), 655);
    }
    EXPECT_EQ(g.size(), QSize(21, 21));
}

TEST(PanelOnScreen, KeepsTheButtonColumnReachableAndTheMinimumSize) {
    const std::vector<QRect> one{Screen};
    // The first screen with a shorter 800 x 600 one to its right.
    const std::vector<QRect> two{Screen, QRect(1024, 0, 800, 600)};
    const std::vector<QRect> leftOfIt{Screen, QRect(-1280, 0, 1280, 1024)};
    const struct {
        QRect stored;
        const std::vector<QRect>& screens;
        QRect shown;
    } cases[] = {
        {QRect(220, 582, 247, 73), one, QRect(220, 582, 247, 73)}, // the default place stays
        {QRect(10, 20, 100, 50), one, QRect(10, 20, 100, 50)},
        {QRect(5000, 3000, 247, 73), one, QRect(777, 695, 247, 73)}, // onto the screen, whole
        {QRect(-500, -500, 247, 73), one, QRect(0, 0, 247, 73)},
        {QRect(10, 20, 0, 0), one, QRect(10, 20, 21, 21)}, // an empty panel is never mapped
        {QRect(10, 20, -5, 3), one, QRect(10, 20, 21, 21)},
        {QRect(5000, 5000, 0, 0), one, QRect(1003, 747, 21, 21)},
        {QRect(1000, 700, 247, 73), one, QRect(1000, 700, 247, 73)},   // buttons still on it
        {QRect(1004, 700, 247, 73), one, QRect(777, 695, 247, 73)},    // the resize button is not
        {QRect(1000, 710, 247, 73), one, QRect(777, 695, 247, 73)},    // nor the freeze button
        {QRect(5000, 5000, 2000, 1000), one, QRect(0, 0, 2000, 1000)}, // too big: buttons first
        {QRect(1500, 300, 247, 73), two, QRect(1500, 300, 247, 73)},   // on the second screen
        {QRect(1010, 100, 247, 73), two, QRect(1010, 100, 247, 73)},   // across the seam
        {QRect(1500, 700, 247, 73), two, QRect(1500, 527, 247, 73)},   // below the shorter one
        {QRect(-1500, 200, 247, 73), two, QRect(0, 200, 247, 73)},     // a monitor that is gone
        {QRect(-600, 10, 247, 73), leftOfIt, QRect(-600, 10, 247, 73)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepPanelOnScreen(c.stored, c.screens), c.shown)
            << c.stored.x() << "," << c.stored.y() << " " << c.stored.width() << "x"
            << c.stored.height();
    EXPECT_EQ(KeepPanelOnScreen(QRect(5000, 3000, 0, 30), {}), QRect(5000, 3000, 21, 30));
}

// The plate needs its whole size inside the insets, right of the button strip and clear of the
// caption.
TEST(PanelResize, RoomForTheContrastPlate) {
    const QRect none;
    const struct {
        QSize panel, plate;
        QRect caption;
        bool room;
    } cases[] = {
        {{247, 73}, {60, 30}, QRect(70, 27, 107, 19), true},
        {{83, 34}, {60, 30}, none, true},   // exactly fits
        {{82, 34}, {60, 30}, none, false},  // one pixel into the button strip
        {{83, 33}, {60, 30}, none, false},  // one pixel over the top inset
        {{21, 21}, {60, 15}, none, false},  // the smallest panel
        {{400, 400}, {0, 0}, none, false},  // nothing to show
        {{100, 19}, {60, 15}, none, true},  // one line just fits
        {{100, 18}, {60, 15}, none, false},
        {{160, 24}, {98, 16}, QRect(30, 2, 60, 19), false}, // would cover the caption's end
        {{160, 24}, {98, 16}, QRect(30, 2, 29, 19), true},  // the caption ends left of it
    };
    for (const auto& c : cases)
        EXPECT_EQ(PanelHasRoomForPlate(c.panel, c.plate, 2, c.caption), c.room)
            << c.panel.width() << "x" << c.panel.height();
}
