// The "Web " page of the running program: a grid cell picked, an order chosen, a name copied.
#include "core/color_model.h"
#include "e2e/e2e_harness.h"
#include "palettes/named_colors.h"

#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

constexpr QPoint Page(2, 49);                     // the selection page in the window
constexpr QPoint WebTab = Page + QPoint(166, 13); // "Web " on the palette page set
constexpr QPoint PreviousSlot0 = Page + QPoint(40 + 2, 190 + 2);
constexpr QPoint SampleSpot = Page + QPoint(4 + 20, 358 + 10);
// The choices and the copy button stand above the grid's left and right ends.
constexpr QPoint AbcFromGrid(62, -36);
constexpr QPoint CopyFromGrid(228, -36);

QPoint cell(int c, int r) {
    return {12 * c + 6, 12 * r + 6};
}

PixelBuffer gridIn(NamedColorOrder order) {
    PixelBuffer grid(NamedGridWidth, NamedGridHeight);
    DrawNamedColorGrid(grid, NamedColors(order));
    return grid;
}

class NamedColoursE2E : public ::testing::Test {
protected:
    void SetUp() override {
        HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
        ASSERT_TRUE(display.ok());
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(app.waitUntilOpaque());
    }
    // Polls the screen until the grid in `order` shows, whole, somewhere.
    std::optional<QPoint> waitForGrid(NamedColorOrder order) const {
        const PixelBuffer grid = gridIn(order);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            if (auto at = FindExactly(display.screenshot(), grid)) return at;
            QThread::msleep(100);
        }
        return std::nullopt;
    }
    bool waitForPixel(QPoint inWindow, QRgb want) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            const QPoint at = app.geometry().topLeft() + inWindow;
            if ((display.screenshot().pixel(at) & 0xFFFFFF) == (want & 0xFFFFFF)) return true;
            QThread::msleep(100);
        }
        return false;
    }
    bool waitForClipboard(const QString& want) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            if (app.clipboardText() == want) return true;
            QThread::msleep(100);
        }
        return false;
    }

    XvfbDisplay display;
    HuebitProcess app{display};
};

} // namespace

TEST_F(NamedColoursE2E, LastCellIsWhiteAndTheCopiedNameIsAliceBlue) {
    app.click(WebTab);
    const auto grid = waitForGrid(NamedColorOrder::ByColor);
    ASSERT_TRUE(grid) << "the grid is not on screen whole";
    const QPoint g = *grid - app.geometry().topLeft();

    app.click(g + cell(19, 6));
    EXPECT_TRUE(waitForPixel(SampleSpot, qRgb(255, 255, 255))) << "sample background";
    EXPECT_TRUE(waitForPixel(PreviousSlot0, qRgb(255, 255, 255))) << "previous colours";

    app.click(g + AbcFromGrid);
    ASSERT_TRUE(waitForGrid(NamedColorOrder::ByEnglishName)) << "the grid did not re-order";
    app.click(g + cell(0, 0));
    app.click(g + CopyFromGrid);
    EXPECT_TRUE(waitForClipboard(QStringLiteral("AliceBlue"))) << app.clipboardText().toStdString();
}
