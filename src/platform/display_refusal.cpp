#include "platform/display_refusal.h"

#include "app/command_line.h"
#include "app/display_check.h"

#include <cstdio>
#include <xcb/xcb.h>

namespace huebit {

namespace {

// Our look at the server stays connected until the program ends: an X server without other
// clients (a bare Xvfb) resets itself when its last client leaves, which would wipe the root
// window and make Qt's own connection wait for the reset.
struct KeptConnection {
    xcb_connection_t* connection = nullptr;
    ~KeptConnection() {
        if (connection) xcb_disconnect(connection);
    }
};

KeptConnection kept;

// The default visual of the display's default screen, through a connection of our own (Qt has
// none yet); nothing when the server cannot be reached.
std::optional<X11Screen> probeX11Screen(const QString& display) {
    const QByteArray name = display.toLocal8Bit();
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(name.constData(), &screenNumber);
    kept.connection = c;
    std::optional<X11Screen> found;
    if (!xcb_connection_has_error(c)) {
        auto screens = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < screenNumber && screens.rem; ++i)
            xcb_screen_next(&screens);
        if (screens.rem) {
            const xcb_screen_t* s = screens.data;
            X11Screen screen{s->root_depth, -1};
            for (auto d = xcb_screen_allowed_depths_iterator(s); d.rem; xcb_depth_next(&d)) {
                for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
                    if (v.data->visual_id == s->root_visual) screen.visualClass = v.data->_class;
                }
            }
            found = screen;
        }
    }
    return found;
}

} // namespace

int RefuseUnusableDisplay(int argc, char* argv[]) {
    const DisplaySession session = ReadDisplaySession(
        ArgumentList(argc, argv), [](const char* name) { return qEnvironmentVariable(name); });
    std::optional<X11Screen> screen;
    if (UsesX11(session)) screen = probeX11Screen(session.x11Display);
    const QString problem = DisplayProblem(session, screen);
    if (problem.isEmpty()) return 0;
    std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
    return 1;
}

} // namespace huebit
