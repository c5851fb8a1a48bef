// The screen copy on a Wayland session: the running program asks a stand-in desktop portal on a
// private session bus, under Xvfb with XDG_SESSION_TYPE=wayland.
#include "e2e/e2e_harness.h"
#include "e2e/fake_portal.h"
#include "e2e/find_picture.h"
#include "screen/screen_picker.h"

#include <QDir>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

#include <map>

using namespace huebit;
using namespace huebit::e2e;

namespace {

constexpr QPoint Page(2, 49);
constexpr QPoint ScreenTab(100, 34);
constexpr QPoint CopyText = Page + QPoint(360 + 17, 278 + 17);
constexpr QPoint Refresh = Page + QPoint(240 + 51, 400 + 12);
constexpr QPoint Apply = Page + QPoint(53 + 72, 400 + 12);
constexpr QPoint BarePage = Page + QPoint(220, 412); // no element, no hint
constexpr QPoint SelectionCopyText = Page + QPoint(304 + 14, 394 + 14);
constexpr QRect StatusLine(0, 483, 380, 24);

void settle() {
    QThread::msleep(300);
}

class PortalE2E : public ::testing::Test {
protected:
    void SetUp() override {
        QStringList missing = MissingTools();
        if (!FakePortal::Missing().isEmpty()) missing << FakePortal::Missing();
        if (!missing.isEmpty()) GTEST_SKIP() << "missing: " << missing.join(' ').toStdString();
        ASSERT_TRUE(display.ok());
        ASSERT_TRUE(picture.save(files.filePath(QStringLiteral("desktop.png")), "PNG"));
        FixedScreen fake(picture);
        expected.CaptureScreen(fake);
    }

    FakePortal::Options answering(QStringList answers, int delayMs = 1) {
        return {std::move(answers), files.filePath(QStringLiteral("desktop.png")), shots.path(),
                delayMs};
    }
    // The program on a Wayland session whose session bus is `bus`.
    void startOn(HuebitProcess& app, const QString& bus, const QString& timeoutMs = {}) {
        app.setEnvironment(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        app.setEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus);
        if (!timeoutMs.isEmpty())
            app.setEnvironment(QStringLiteral("HUEBIT_TEST_PORTAL_TIMEOUT_MS"), timeoutMs);
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(app.waitUntilOpaque());
    }
    // Finds the fresh overview, exactly as the model reduces the picture, in the window.
    bool locateOverview(HuebitProcess& app) {
        const auto found = FindPicture(display.screenshot(), expected.CleanOverview());
        if (found) m_overview = *found - app.geometry().topLeft();
        return found.has_value();
    }
    QPoint overview(QPoint at) const { return m_overview + at; }
    // Right-clicks the overview and reads the chosen colour back through the clipboard.
    std::string pickAt(HuebitProcess& app, QPoint at) {
        app.click(overview(at), 3);
        settle();
        app.click(CopyText);
        settle();
        return app.clipboardText().toStdString();
    }
    std::string expectedAt(QPoint at) {
        expected.SelectFragment(at.x(), at.y(), true);
        return Html(expected.PickedScreenColor());
    }
    QImage statusLine(HuebitProcess& app) {
        app.moveTo(BarePage);
        settle();
        return display.screenshot().copy(StatusLine.translated(app.geometry().topLeft()));
    }

    XvfbDisplay display; // its own background: an X11 copy would not show the picture
    QTemporaryDir files, shots;
    QImage picture = PositionPicture({1600, 900});
    ScreenPicker expected;
    QPoint m_overview;
};

} // namespace

TEST_F(PortalE2E, ThePortalsPictureIsPickedExactly) {
    FakePortal portal(answering({QStringLiteral("ok")}, 1500));
    ASSERT_TRUE(portal.ok());
    HuebitProcess app(display);
    startOn(app, portal.address());
    EXPECT_EQ(portal.calls(), 0) << "no desktop request before the screen page is wanted";

    app.click(ScreenTab);
    ASSERT_TRUE(portal.waitFor(QStringLiteral("call 1 ")));
    const QString call = portal.events().constFirst();
    EXPECT_TRUE(call.contains(QLatin1String("interactive=0"))) << call.toStdString();
    EXPECT_TRUE(call.contains(QRegularExpression(QStringLiteral("token=huebit\\w+"))))
        << call.toStdString();
    EXPECT_TRUE(app.waitUntilShown(false, 1000)) << "the window stays out of the picture";
    ASSERT_TRUE(app.waitUntilShown(true)) << "the window came back with the answer";
    ASSERT_TRUE(app.waitUntilOpaque());
    settle();
    EXPECT_TRUE(QDir(shots.path()).isEmpty()) << "the temporary screenshot was left behind";
    ASSERT_TRUE(locateOverview(app)) << "the overview is not the portal's picture reduced";

    for (const QPoint at : {QPoint(0, 0), QPoint(191, 107), QPoint(382, 214), QPoint(57, 200)})
        EXPECT_EQ(pickAt(app, at), expectedAt(at)) << at.x() << ", " << at.y();
    EXPECT_EQ(portal.calls(), 1);
}

TEST_F(PortalE2E, ADoubleClickOnRefreshAsksOnce) {
    FakePortal portal(answering({QStringLiteral("ok")}, 1500));
    ASSERT_TRUE(portal.ok());
    HuebitProcess app(display);
    startOn(app, portal.address());
    app.click(ScreenTab);
    ASSERT_TRUE(portal.waitFor(QStringLiteral("call 1 ")));
    ASSERT_TRUE(app.waitUntilShown(true));
    ASSERT_TRUE(app.waitUntilOpaque());
    settle();
    ASSERT_TRUE(locateOverview(app));

    app.moveTo(Refresh);
    e2e::Run(display.name(), QStringLiteral("xdotool"),
             {QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("3"),
              QStringLiteral("--delay"), QStringLiteral("5"), QStringLiteral("1")});
    ASSERT_TRUE(portal.waitFor(QStringLiteral("call 2 ")));
    ASSERT_TRUE(app.waitUntilShown(true));
    QThread::msleep(2000);
    EXPECT_EQ(portal.calls(), 2) << portal.events().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(pickAt(app, {100, 100}), expectedAt({100, 100}));
}

// A refused, cancelled or unanswered second copy: a message, the first picture still there, and
// a window that goes on working.
TEST_F(PortalE2E, AFailedCopyKeepsThePreviousPictureAndSaysWhy) {
    std::map<QString, QImage> messages;
    for (const QString& answer :
         {QStringLiteral("cancel"), QStringLiteral("refuse"), QStringLiteral("silent")}) {
        SCOPED_TRACE(answer.toStdString());
        FakePortal portal(answering({QStringLiteral("ok"), answer}));
        ASSERT_TRUE(portal.ok());
        HuebitProcess app(display);
        startOn(app, portal.address(), QStringLiteral("1500"));
        app.click(ScreenTab);
        ASSERT_TRUE(portal.waitFor(QStringLiteral("call 1 ")));
        ASSERT_TRUE(app.waitUntilShown(true));
        ASSERT_TRUE(app.waitUntilOpaque());
        settle();
        ASSERT_TRUE(locateOverview(app));
        EXPECT_EQ(pickAt(app, {20, 30}), expectedAt({20, 30}));
        const QImage before = statusLine(app);

        app.click(Refresh);
        ASSERT_TRUE(portal.waitFor(QStringLiteral("call 2 ")));
        if (answer == QLatin1String("silent")) {
            EXPECT_TRUE(portal.waitFor(QStringLiteral("closed 2"), 10000))
                << "the unanswered request was not closed";
        }
        ASSERT_TRUE(app.waitUntilShown(true));
        ASSERT_TRUE(app.waitUntilOpaque());
        const QImage message = statusLine(app);
        EXPECT_NE(message, before) << "no message";
        messages[answer] = message;
        EXPECT_EQ(pickAt(app, {300, 150}), expectedAt({300, 150})) << "the first picture is gone";
    }
    EXPECT_NE(messages[QStringLiteral("cancel")], messages[QStringLiteral("refuse")]);
    EXPECT_NE(messages[QStringLiteral("refuse")], messages[QStringLiteral("silent")]);
}

TEST_F(PortalE2E, WithoutAPortalTheWindowSaysSoAndWorks) {
    EmptyBus empty;
    ASSERT_TRUE(empty.ok());
    std::map<QString, QImage> messages;
    for (const QString& bus : {empty.address(), QStringLiteral("unix:path=/nonexistent/bus")}) {
        SCOPED_TRACE(bus.toStdString());
        HuebitProcess app(display);
        startOn(app, bus);
        const QImage before = statusLine(app);
        app.click(ScreenTab);
        settle();
        ASSERT_TRUE(app.waitUntilShown(true));
        ASSERT_TRUE(app.waitUntilOpaque());
        const QImage message = statusLine(app);
        EXPECT_NE(message, before);
        messages[bus] = message;
        // A second try fails the same way and leaves the window alone.
        app.click(Refresh);
        ASSERT_TRUE(app.waitUntilShown(true));
        EXPECT_EQ(statusLine(app), message);
        // Nothing was picked: " Применить" hands over the starting silver.
        app.click(Apply);
        settle();
        app.click(SelectionCopyText);
        settle();
        EXPECT_EQ(app.clipboardText(), QStringLiteral("#C0C0C0"));
    }
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages.begin()->second, messages.rbegin()->second)
        << "no bus and no portal on the bus are the same to the user";
}

// An answer naming a named pipe: the window comes back at once with a message, the pipe is
// left where it is, and the first picture stays.
TEST_F(PortalE2E, ANamedPipeForAnAnswerDoesNotHoldTheWindow) {
    FakePortal portal(answering({QStringLiteral("ok"), QStringLiteral("fifo")}));
    ASSERT_TRUE(portal.ok());
    HuebitProcess app(display);
    startOn(app, portal.address());
    app.click(ScreenTab);
    ASSERT_TRUE(portal.waitFor(QStringLiteral("call 1 ")));
    ASSERT_TRUE(app.waitUntilShown(true));
    ASSERT_TRUE(app.waitUntilOpaque());
    settle();
    ASSERT_TRUE(locateOverview(app));
    const QImage before = statusLine(app);

    app.click(Refresh);
    ASSERT_TRUE(portal.waitFor(QStringLiteral("call 2 ")));
    ASSERT_TRUE(app.waitUntilShown(true)) << "the window stays hidden";
    ASSERT_TRUE(app.waitUntilOpaque());
    EXPECT_NE(statusLine(app), before) << "no message";
    EXPECT_EQ(pickAt(app, {300, 150}), expectedAt({300, 150})) << "the first picture is gone";
    const QStringList left = QDir(shots.path()).entryList(QDir::System | QDir::Files);
    EXPECT_EQ(left.size(), 1) << left.join(QLatin1Char(' ')).toStdString();
}
