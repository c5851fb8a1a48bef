// The status line as assistive technologies meet it: over AT-SPI, in a session of its own, a
// screen reader hears the pointer's readout as the pointer moves over a palette.
#include "e2e/atspi_session.h"

#include <QThread>
#include <gtest/gtest.h>

using namespace huebit;
using namespace huebit::e2e;

namespace {

// Where the tile palette shows `colour`, in window coordinates.
std::optional<QPoint> findPixel(const QImage& screen, QRect window, QRgb colour) {
    for (int y = window.top(); y < window.bottom(); ++y)
        for (int x = window.left(); x < window.right(); ++x)
            if (screen.pixel(x, y) == colour) return QPoint(x, y) - window.topLeft();
    return std::nullopt;
}

} // namespace

TEST(AccessibilityE2E, ScreenReaderHearsTheStatusLine) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    if (const auto tool = AtspiSession::Missing())
        GTEST_SKIP() << "missing " << tool->toStdString();
    XvfbDisplay display;
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    AtspiSession session(display);
    ASSERT_TRUE(session.ok()) << "no accessibility bus";
    HuebitProcess app(display);
    session.joinProgram(app);
    ASSERT_TRUE(app.start()) << "no Huebit window appeared";
    ASSERT_TRUE(app.waitUntilOpaque());

    const auto tabs = session.probe({"tabs"});
    ASSERT_TRUE(tabs.has_value()) << "the program is not on the accessibility bus";
    EXPECT_EQ(*tabs, QStringLiteral("Подбор \nЭкран \nНастройка \nО программе").trimmed());

    const QRect window = app.geometry();
    const auto dark = findPixel(display.screenshot(), window, qRgb(7, 15, 7));
    ASSERT_TRUE(dark.has_value()) << "the tile palette is not on screen";
    const QString readout = QStringLiteral("Цветовые оттенки ( r=7 g=15 b=7 )");
    QProcess listener;
    session.startProbe(listener, {"listen", "20", readout});
    ASSERT_TRUE(listener.waitForReadyRead(20000)) << "the listener did not start";
    app.moveTo(*dark + QPoint(0, 1));
    app.moveTo(*dark);
    const auto status = session.probe({"wait-status", readout, "10"});
    ASSERT_TRUE(status.has_value()) << "the status line does not read the readout";
    EXPECT_EQ(*status, readout);
    // Each change is announced: a screen reader hears the readout without asking.
    app.moveTo({200, 12}); // the title strip: no hint
    app.moveTo(*dark);
    listener.waitForFinished(25000);
    const QStringList heard = QString::fromUtf8(listener.readAllStandardOutput()).split('\n');
    EXPECT_TRUE(heard.contains(readout)) << heard.join(" | ").toStdString();
    app.click({392, 11}); // the close icon
    EXPECT_EQ(app.waitForExit(3000), std::optional<int>(0));
}

// The named colours' sort order is one choice of three: a screen reader meets radio buttons, the
// chosen one checked, and the check follows a click on another.
TEST(AccessibilityE2E, SortOrderChoicesAreRadioButtons) {
    HUEBIT_SKIP_WITHOUT_E2E_TOOLS();
    if (const auto tool = AtspiSession::Missing())
        GTEST_SKIP() << "missing " << tool->toStdString();
    XvfbDisplay display;
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    AtspiSession session(display);
    ASSERT_TRUE(session.ok()) << "no accessibility bus";
    HuebitProcess app(display);
    session.joinProgram(app);
    ASSERT_TRUE(app.start()) << "no Huebit window appeared";
    ASSERT_TRUE(app.waitUntilOpaque());
    const QStringList choices{QStringLiteral("roles"), QStringLiteral("Сортировать по цвету"),
                              QStringLiteral("Сортировать по англ. названию"),
                              QStringLiteral("Сортировать по русскому названию")};
    const auto before = session.probe(choices);
    ASSERT_TRUE(before.has_value()) << "the program is not on the accessibility bus";
    EXPECT_EQ(before->trimmed().toStdString(), "radio button checked\nradio button\nradio button");
    app.click({168, 62}); // the "Web " page of the palettes
    app.click({78, 86});  // "ABC"
    const std::string abcChosen = "radio button\nradio button checked\nradio button";
    std::optional<QString> after;
    for (int i = 0; i < 20 && (!after || after->trimmed().toStdString() != abcChosen); ++i) {
        if (i > 0) QThread::msleep(250);
        after = session.probe(choices);
    }
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->trimmed().toStdString(), abcChosen);
    app.click({392, 11}); // the close icon
    EXPECT_EQ(app.waitForExit(3000), std::optional<int>(0));
}
