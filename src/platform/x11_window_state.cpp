#include "platform/x11_window_state.h"

#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace huebit {

namespace {

struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};

// The three atoms, asked for together once: atoms last as long as the server, and each question
// answered later is a round trip the start waits for.
struct StateAtoms {
    xcb_atom_t netWmState = XCB_ATOM_NONE, above = XCB_ATOM_NONE, skipTaskbar = XCB_ATOM_NONE;
};

const StateAtoms& stateAtoms(xcb_connection_t* c) {
    static const StateAtoms atoms = [c] {
        const char* names[] = {"_NET_WM_STATE", "_NET_WM_STATE_ABOVE",
                               "_NET_WM_STATE_SKIP_TASKBAR"};
        xcb_intern_atom_cookie_t cookies[3];
        for (int i = 0; i < 3; ++i)
            cookies[i] = xcb_intern_atom(c, 0, uint16_t(std::strlen(names[i])), names[i]);
        xcb_atom_t found[3];
        for (int i = 0; i < 3; ++i) {
            std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
                xcb_intern_atom_reply(c, cookies[i], nullptr));
            found[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        }
        return StateAtoms{found[0], found[1], found[2]};
    }();
    return atoms;
}

xcb_atom_t atomOf(const StateAtoms& atoms, WindowManagerState state) {
    return state == WindowManagerState::Above ? atoms.above : atoms.skipTaskbar;
}

std::vector<xcb_atom_t> readStates(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netWmState) {
    std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, netWmState, XCB_ATOM_ATOM, 0, 1024), nullptr));
    std::vector<xcb_atom_t> states;
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* data = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        states.assign(data, data + xcb_get_property_value_length(reply.get()) / 4);
    }
    return states;
}

xcb_window_t rootOf(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

} // namespace

bool SetWindowManagerState(QWindow* window, WindowManagerState state, bool on) {
    xcb_connection_t* c = X11Connection();
    if (!c || !window) return false;
    const auto w = xcb_window_t(window->winId());
    const StateAtoms& atoms = stateAtoms(c);
    const xcb_atom_t netWmState = atoms.netWmState;
    const xcb_atom_t wanted = atomOf(atoms, state);
    if (netWmState == XCB_ATOM_NONE || wanted == XCB_ATOM_NONE) return false;

    // The record on the window: other states stay as they are.
    std::vector<xcb_atom_t> states = readStates(c, w, netWmState);
    const auto at = std::find(states.begin(), states.end(), wanted);
    if (on && at == states.end()) states.push_back(wanted);
    if (!on && at != states.end()) states.erase(at);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, netWmState, XCB_ATOM_ATOM, 32,
                        uint32_t(states.size()), states.data());

    // The request to a running window manager (EWMH: 1 add, 0 remove; source 1 = application).
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = w;
    message.type = netWmState;
    message.data.data32[0] = on ? 1 : 0;
    message.data.data32[1] = wanted;
    message.data.data32[3] = 1;
    xcb_send_event(c, 0, rootOf(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    return true;
}

bool HasWindowManagerState(QWindow* window, WindowManagerState state) {
    xcb_connection_t* c = X11Connection();
    if (!c || !window) return false;
    const StateAtoms& atoms = stateAtoms(c);
    const std::vector<xcb_atom_t> states =
        readStates(c, xcb_window_t(window->winId()), atoms.netWmState);
    return std::find(states.begin(), states.end(), atomOf(atoms, state)) != states.end();
}

} // namespace huebit
