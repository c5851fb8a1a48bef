#include "platform/x11_session_bus.h"

#include <QFile>
#include <cstdlib>
#include <memory>
#include <pwd.h>
#include <unistd.h>

namespace huebit {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t existingAtom(xcb_connection_t* c, const QByteArray& name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(name.size()), name.constData()),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The machine id D-Bus uses: its own copy first, then the system's.
QByteArray machineId() {
    for (const char* path : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        QFile file(QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QByteArray id = file.read(64).trimmed();
        if (!id.isEmpty()) return id;
    }
    return {};
}

QByteArray userName() {
    const passwd* user = getpwuid(getuid());
    return user && user->pw_name ? QByteArray(user->pw_name) : QByteArray();
}

} // namespace

QByteArray SessionBusSelection(const QByteArray& user, const QByteArray& machineId) {
    return "_DBUS_SESSION_BUS_SELECTION_" + user + '_' + machineId;
}

QByteArray SessionBusAddressOnX11(xcb_connection_t* c, const QByteArray& selection) {
    // Atoms that do not exist yet mean nobody has published a bus on this display.
    const xcb_atom_t owned = existingAtom(c, selection);
    const xcb_atom_t address = existingAtom(c, "_DBUS_SESSION_BUS_ADDRESS");
    if (owned == XCB_ATOM_NONE || address == XCB_ATOM_NONE) return {};
    const Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, owned), nullptr), &std::free);
    if (!owner || owner->owner == XCB_WINDOW_NONE) return {};
    const Reply<xcb_get_property_reply_t> value(
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, owner->owner, address, XCB_ATOM_STRING, 0,
                                                1024),
                               nullptr),
        &std::free);
    if (!value || value->type != XCB_ATOM_STRING || value->format != 8) return {};
    const QByteArray text(static_cast<const char*>(xcb_get_property_value(value.get())),
                          xcb_get_property_value_length(value.get()));
    // The launcher may end the text with a terminating zero.
    const qsizetype end = text.indexOf('\0');
    return end < 0 ? text : text.left(end);
}

bool ProgramOnPath(const QByteArray& name, const QByteArray& path, const QByteArray& fixedFolder) {
    QList<QByteArray> folders = path.split(':');
    folders.prepend(fixedFolder);
    for (const QByteArray& folder : folders) {
        // An empty entry of PATH is the current folder.
        const QByteArray file = (folder.isEmpty() ? QByteArray(".") : folder) + '/' + name;
        if (access(file.constData(), X_OK) == 0) return true;
    }
    return false;
}

QByteArray UserBusAddress(const QByteArray& runtimeDir, uint uid) {
    const QByteArray dir =
        runtimeDir.isEmpty() ? "/run/user/" + QByteArray::number(uid) : runtimeDir;
    return "unix:path=" + dir + "/bus";
}

void NameSessionBus(xcb_connection_t* c) {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return;
    const QByteArray id = machineId(), user = userName();
    if (c && !id.isEmpty() && !user.isEmpty()) {
        const QByteArray address = SessionBusAddressOnX11(c, SessionBusSelection(user, id));
        if (!address.isEmpty()) {
            qputenv("DBUS_SESSION_BUS_ADDRESS", address);
            return;
        }
    }
    // With a launcher installed the library starts a bus for the session; that stays its job.
    if (ProgramOnPath("dbus-launch", qgetenv("PATH"))) return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", UserBusAddress(qgetenv("XDG_RUNTIME_DIR"), getuid()));
}

} // namespace huebit
