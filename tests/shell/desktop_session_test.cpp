#include "shell/desktop_session.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(DesktopSession, WaylandSessionsRunThroughXWaylandUnlessTheUserChose) {
    const struct {
        SessionEnvironment env; // WAYLAND_DISPLAY, XDG_SESSION_TYPE, DISPLAY, QT_QPA_PLATFORM
        bool wayland;
        const char* force;
    } cases[] = {
        {{"wayland-0", "wayland", ":0", ""}, true, "xcb"},
        {{"wayland-0", "", ":1", ""}, true, "xcb"}, // a compositor socket is enough
        {{"", "wayland", ":0", ""}, true, "xcb"},   // so is the session's word
        {{"", " Wayland\n", ":0", ""}, true, "xcb"},
        {{"wayland-0", "wayland", "", ""}, true, ""}, // no XWayland: Qt's own choice
        {{"wayland-0", "wayland", ":0", "wayland"}, true, ""},
        {{"wayland-0", "wayland", ":0", "offscreen"}, true, ""},
        {{"", "x11", ":0", ""}, false, ""},
        {{"", "tty", "", ""}, false, ""},
        {{"", "", ":0", ""}, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.env.waylandDisplay.toStdString() + "|" + c.env.sessionType.toStdString() +
                     "|" + c.env.display.toStdString() + "|" + c.env.qpaPlatform.toStdString());
        EXPECT_EQ(IsWaylandSession(c.env), c.wayland);
        EXPECT_EQ(PlatformToForce(c.env), QByteArray(c.force));
    }
}
