#include "e2e/fake_clipboard_manager.h"

#include <QByteArray>
#include <QList>
#include <map>
#include <memory>
#include <poll.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace huebit::e2e {

namespace {

xcb_atom_t intern(xcb_connection_t* c, const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

struct Saved {
    xcb_atom_t type;
    uint8_t format;
    QByteArray data;
};

} // namespace

FakeClipboardManager::FakeClipboardManager(const QString& display) {
    m_c = xcb_connect(display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(m_c)) return;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
    m_window = xcb_generate_id(m_c);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    const xcb_atom_t manager = intern(m_c, "CLIPBOARD_MANAGER");
    xcb_set_selection_owner(m_c, m_window, manager, XCB_CURRENT_TIME);
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(m_c, xcb_get_selection_owner(m_c, manager), nullptr),
        &std::free);
    m_ok = owner && owner->owner == m_window;
    m_thread = std::thread([this] { run(); });
}

FakeClipboardManager::~FakeClipboardManager() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    if (m_c) xcb_disconnect(m_c);
}

void FakeClipboardManager::run() {
    xcb_connection_t* c = m_c;
    const xcb_atom_t clipboard = intern(c, "CLIPBOARD");
    const xcb_atom_t manager = intern(c, "CLIPBOARD_MANAGER");
    const xcb_atom_t saveTargets = intern(c, "SAVE_TARGETS");
    const xcb_atom_t targets = intern(c, "TARGETS");
    const xcb_atom_t incoming = intern(c, "_FAKE_MANAGER_DATA");
    const QList<xcb_atom_t> skipped{targets, intern(c, "MULTIPLE"), intern(c, "TIMESTAMP"),
                                    saveTargets};
    std::map<xcb_atom_t, Saved> saved;
    QList<xcb_atom_t> pending;
    xcb_selection_request_event_t asker{};
    bool fetchingTargets = false;

    auto notify = [c](const xcb_selection_request_event_t& r, xcb_atom_t property) {
        xcb_selection_notify_event_t n{};
        n.response_type = XCB_SELECTION_NOTIFY;
        n.time = r.time;
        n.requestor = r.requestor;
        n.selection = r.selection;
        n.target = r.target;
        n.property = property;
        xcb_send_event(c, 0, r.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&n));
    };
    auto fetchNext = [&] {
        if (pending.isEmpty()) {
            // Everything is copied: take the clipboard and tell the program it may go.
            xcb_set_selection_owner(c, m_window, clipboard, XCB_CURRENT_TIME);
            ++m_saves;
            notify(asker, asker.property);
            return;
        }
        xcb_convert_selection(c, m_window, clipboard, pending.first(), incoming, XCB_CURRENT_TIME);
    };

    while (!m_stop) {
        xcb_flush(c);
        pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&p, 1, 50);
        while (auto* raw = xcb_poll_for_event(c)) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw, &std::free);
            const uint8_t type = raw->response_type & 0x7f;
            if (type == XCB_SELECTION_REQUEST) {
                const auto& r = *reinterpret_cast<xcb_selection_request_event_t*>(raw);
                if (r.selection == manager && r.target == saveTargets) {
                    asker = r;
                    saved.clear();
                    fetchingTargets = true;
                    xcb_convert_selection(c, m_window, clipboard, targets, incoming,
                                          XCB_CURRENT_TIME);
                } else if (r.selection == clipboard && r.target == targets) {
                    std::vector<xcb_atom_t> list{targets};
                    for (const auto& [atom, s] : saved)
                        list.push_back(atom);
                    xcb_change_property(c, XCB_PROP_MODE_REPLACE, r.requestor, r.property,
                                        XCB_ATOM_ATOM, 32, uint32_t(list.size()), list.data());
                    notify(r, r.property);
                } else if (r.selection == clipboard && saved.count(r.target)) {
                    const Saved& s = saved[r.target];
                    xcb_change_property(c, XCB_PROP_MODE_REPLACE, r.requestor, r.property, s.type,
                                        s.format, uint32_t(s.data.size() / (s.format / 8)),
                                        s.data.constData());
                    notify(r, r.property);
                } else {
                    notify(r, XCB_ATOM_NONE);
                }
            } else if (type == XCB_SELECTION_NOTIFY) {
                const auto& n = *reinterpret_cast<xcb_selection_notify_event_t*>(raw);
                std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> value(
                    n.property == XCB_ATOM_NONE
                        ? nullptr
                        : xcb_get_property_reply(c,
                                                 xcb_get_property(c, 1, m_window, incoming,
                                                                  XCB_GET_PROPERTY_TYPE_ANY, 0,
                                                                  1 << 24),
                                                 nullptr),
                    &std::free);
                if (fetchingTargets) {
                    fetchingTargets = false;
                    pending.clear();
                    if (value && value->format == 32) {
                        const auto* atoms =
                            static_cast<xcb_atom_t*>(xcb_get_property_value(value.get()));
                        for (int i = 0; i < xcb_get_property_value_length(value.get()) / 4; ++i)
                            if (!skipped.contains(atoms[i])) pending << atoms[i];
                    }
                } else if (!pending.isEmpty()) {
                    if (value && value->format) {
                        saved[pending.first()] = {
                            value->type, value->format,
                            QByteArray(
                                static_cast<const char*>(xcb_get_property_value(value.get())),
                                xcb_get_property_value_length(value.get()))};
                    }
                    pending.removeFirst();
                }
                fetchNext();
            }
        }
        if (xcb_connection_has_error(c)) break;
    }
}

} // namespace huebit::e2e
