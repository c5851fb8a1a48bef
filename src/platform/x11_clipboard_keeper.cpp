#include "platform/x11_clipboard_keeper.h"

#include "output/clipboard_offer.h"

#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace huebit {

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

std::optional<ClipboardOffer> readOffer() {
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(0, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) return std::nullopt;
        bytes.append(buffer, n);
        if (bytes.size() > MaxOfferBytes) return std::nullopt;
    }
    return ParseOffer(bytes);
}

class Keeper {
public:
    Keeper(xcb_connection_t* c, ClipboardOffer offer) : m_c(c), m_offer(std::move(offer)) {
        m_screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        // Replies go out in one request each; larger formats are not offered.
        m_maxBytes = qsizetype(xcb_get_maximum_request_length(c)) * 4 - 64;
    }

    /// Takes the clipboard; false when another program holds it by now.
    bool take() {
        m_clipboard = atom("CLIPBOARD");
        m_window = xcb_generate_id(m_c);
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_window, m_screen->root, -1, -1, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &events);
        // Named, so a look at the clipboard's owner (xprop) tells what holds it.
        const char wmClass[] = "huebit-clipboard\0Huebit";
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_CLASS,
                            XCB_ATOM_STRING, 8, sizeof wmClass, wmClass);
        const uint32_t pid = uint32_t(getpid());
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, atom("_NET_WM_PID"),
                            XCB_ATOM_CARDINAL, 32, 1, &pid);
        m_time = serverTime();
        // Someone who copied in the meantime keeps the clipboard.
        const xcb_window_t now = owner();
        if (now != XCB_NONE && now != m_offer.owner) return false;
        xcb_set_selection_owner(m_c, m_window, m_clipboard, m_time);
        return owner() == m_window;
    }

    /// Serves pastes until the clipboard passes to another program or the display goes away.
    void serve() {
        while (auto* event = xcb_wait_for_event(m_c)) {
            const Reply<xcb_generic_event_t> held(event, &std::free);
            switch (event->response_type & 0x7f) {
            case XCB_SELECTION_REQUEST:
                answer(*reinterpret_cast<xcb_selection_request_event_t*>(event));
                break;
            case XCB_SELECTION_CLEAR:
                if (lostClipboard(*event)) return;
                break;
            default:
                break;
            }
        }
    }

private:
    // Any client may send a selection-clear of its own making (its send_event bit is set); only
    // the server's own notice counts, and only while the server names another owner.
    bool lostClipboard(const xcb_generic_event_t& event) {
        if (event.response_type & 0x80) return false;
        const auto& clear = reinterpret_cast<const xcb_selection_clear_event_t&>(event);
        return clear.selection == m_clipboard && owner() != m_window;
    }

    xcb_atom_t atom(const char* name) {
        const auto found = m_atoms.find(name);
        if (found != m_atoms.end()) return found->second;
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(name)), name),
                                  nullptr),
            &std::free);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        m_atoms[name] = a;
        return a;
    }

    xcb_window_t owner() {
        const Reply<xcb_get_selection_owner_reply_t> reply(
            xcb_get_selection_owner_reply(m_c, xcb_get_selection_owner(m_c, m_clipboard), nullptr),
            &std::free);
        return reply ? reply->owner : xcb_window_t(XCB_NONE);
    }

    // A real server time for the ownership, as the selection rules ask: the time stamp of the
    // notice for a zero-length change to a property of our own window.
    xcb_timestamp_t serverTime() {
        const xcb_atom_t stamp = atom("_HUEBIT_TIME");
        xcb_change_property(m_c, XCB_PROP_MODE_APPEND, m_window, stamp, XCB_ATOM_STRING, 8, 0,
                            nullptr);
        xcb_flush(m_c);
        while (auto* event = xcb_wait_for_event(m_c)) {
            const Reply<xcb_generic_event_t> held(event, &std::free);
            if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) continue;
            const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
            if (notify->window == m_window && notify->atom == stamp) return notify->time;
        }
        return XCB_CURRENT_TIME;
    }

    // Puts one target's bytes on the requestor's property; false when this target is not
    // offered.
    bool convert(xcb_window_t requestor, xcb_atom_t target, xcb_atom_t property) {
        if (target == atom("TARGETS")) {
            std::vector<xcb_atom_t> targets{atom("TARGETS"), atom("TIMESTAMP"), atom("MULTIPLE")};
            for (const auto& e : m_offer.entries)
                targets.push_back(atom(e.target.constData()));
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_ATOM, 32,
                                uint32_t(targets.size()), targets.data());
            return true;
        }
        if (target == atom("TIMESTAMP")) {
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_INTEGER,
                                32, 1, &m_time);
            return true;
        }
        for (const auto& e : m_offer.entries) {
            if (atom(e.target.constData()) != target) continue;
            if (e.data.size() > m_maxBytes) return false;
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, requestor, property,
                                atom(e.type.constData()), 8, uint32_t(e.data.size()),
                                e.data.constData());
            return true;
        }
        return false;
    }

    // MULTIPLE: a list of (target, property) pairs on the requestor's property; each pair that
    // cannot be converted has its target replaced by None.
    bool convertMultiple(xcb_window_t requestor, xcb_atom_t property) {
        const Reply<xcb_get_property_reply_t> pairs(
            xcb_get_property_reply(
                m_c,
                xcb_get_property(m_c, 0, requestor, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                nullptr),
            &std::free);
        if (!pairs || pairs->format != 32) return false;
        auto* list = static_cast<xcb_atom_t*>(xcb_get_property_value(pairs.get()));
        const int count = xcb_get_property_value_length(pairs.get()) / 4;
        for (int i = 0; i + 1 < count; i += 2) {
            if (!convert(requestor, list[i], list[i + 1])) list[i] = XCB_ATOM_NONE;
        }
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, requestor, property, pairs->type, 32,
                            uint32_t(count), list);
        return true;
    }

    void answer(const xcb_selection_request_event_t& request) {
        // Old clients name no property: the target's name stands in.
        const xcb_atom_t property = request.property ? request.property : request.target;
        bool done = false;
        if (request.selection == m_clipboard &&
            (request.time == XCB_CURRENT_TIME || request.time >= m_time)) {
            done = request.target == atom("MULTIPLE")
                       ? convertMultiple(request.requestor, property)
                       : convert(request.requestor, request.target, property);
        }
        xcb_selection_notify_event_t notify{};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = request.time;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.property = done ? property : xcb_atom_t(XCB_ATOM_NONE);
        xcb_send_event(m_c, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&notify));
        xcb_flush(m_c);
    }

    xcb_connection_t* m_c;
    ClipboardOffer m_offer;
    xcb_screen_t* m_screen = nullptr;
    qsizetype m_maxBytes = 0;
    xcb_window_t m_window = XCB_NONE;
    xcb_atom_t m_clipboard = XCB_ATOM_NONE;
    xcb_timestamp_t m_time = XCB_CURRENT_TIME;
    std::map<std::string, xcb_atom_t> m_atoms;
};

// Standard output is only the readiness pipe: once reported, it points nowhere.
void report() {
    const char ready = KeeperReady;
    if (write(1, &ready, 1) != 1) { /* the program has gone: keep serving all the same */
    }
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) {
        dup2(null, 1);
        close(null);
    }
}

} // namespace

bool IsClipboardKeeper(const char* argv0) {
    if (!argv0) return false;
    const char* slash = std::strrchr(argv0, '/');
    return std::strcmp(slash ? slash + 1 : argv0, ClipboardKeeperName) == 0;
}

int RunClipboardKeeper() {
    prctl(PR_SET_NAME, ClipboardKeeperName); // so ps and top show what it is
    // A program that gave up waiting has closed the report pipe: writing to it must not end us.
    std::signal(SIGPIPE, SIG_IGN);
    if (chdir("/") != 0) {                   /* a keeper in any folder serves as well */
    }
    std::optional<ClipboardOffer> offer = readOffer();
    if (!offer || offer->entries.empty()) return 1;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return 1;
    }
    Keeper keeper(c, std::move(*offer));
    if (!keeper.take()) {
        xcb_disconnect(c);
        return 0;
    }
    report();
    keeper.serve();
    xcb_disconnect(c);
    return 0;
}

} // namespace huebit
