#include "soak/window_ping.h"

#include <QElapsedTimer>
#include <QThread>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace huebit::e2e {

namespace {

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

bool AnswersPing(const QString& display, const QString& window, int timeoutMs) {
    std::unique_ptr<xcb_connection_t, Disconnect> c(
        xcb_connect(display.toLatin1().constData(), nullptr));
    if (xcb_connection_has_error(c.get())) return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c.get())).data->root;
    const xcb_window_t target = window.toUInt();
    const xcb_atom_t protocols = atom(c.get(), "WM_PROTOCOLS");
    const xcb_atom_t ping = atom(c.get(), "_NET_WM_PING");

    // The reply goes to the root window for those who watch its structure (Qt's mask), or
    // redirect its substructure (a window manager's); anyone may watch the former.
    const uint32_t mask = uint32_t(XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    xcb_change_window_attributes(c.get(), root, XCB_CW_EVENT_MASK, &mask);

    const uint32_t stamp = 0x5eed;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = target;
    event.type = protocols;
    event.data.data32[0] = ping;
    event.data.data32[1] = stamp;
    event.data.data32[2] = target;
    xcb_send_event(c.get(), 0, target, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c.get());

    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c.get())) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(e, &std::free);
            if ((e->response_type & 0x7f) != XCB_CLIENT_MESSAGE) continue;
            const auto* m = reinterpret_cast<const xcb_client_message_event_t*>(e);
            if (m->type == protocols && m->data.data32[0] == ping && m->data.data32[1] == stamp)
                return true;
        }
        if (xcb_connection_has_error(c.get())) return false;
        QThread::msleep(20);
    }
    return false;
}

} // namespace huebit::e2e
