#include "platform/x11_clipboard_handover.h"

#include "platform/x11_clipboard_keeper.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace huebit {

namespace {

// Waits for `fd` to be ready for `events` until the deadline; false when it was not.
bool waitReady(int fd, short events, const QDeadlineTimer& deadline) {
    pollfd p{fd, events, 0};
    for (;;) {
        const int rc = poll(&p, 1, int(qMax<qint64>(0, deadline.remainingTime())));
        if (rc > 0) return true;
        if (rc == 0 || errno != EINTR) return false;
    }
}

bool writeAll(int fd, const QByteArray& bytes, const QDeadlineTimer& deadline) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        if (!waitReady(fd, POLLOUT, deadline)) return false;
        const ssize_t n = write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR && errno != EAGAIN) return false;
        if (n > 0) done += n;
    }
    return true;
}

} // namespace

X11ClipboardHandover::X11ClipboardHandover() {
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        m_connection = x11->connection();
}

quint32 X11ClipboardHandover::selectionOwner(const char* selection) const {
    xcb_connection_t* c = m_connection;
    auto* atom = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(selection)), selection), nullptr);
    if (!atom) return 0;
    auto* owner = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr);
    const quint32 window = owner ? owner->owner : 0;
    free(owner);
    free(atom);
    return window;
}

bool X11ClipboardHandover::ownsClipboard() const {
    return m_connection && QGuiApplication::clipboard()->ownsClipboard();
}

bool X11ClipboardHandover::managerRunning() const {
    return m_connection && selectionOwner("CLIPBOARD_MANAGER") != 0;
}

ClipboardOffer X11ClipboardHandover::content() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!m_connection || !data) return {};
    return OfferFromMimeData(*data, selectionOwner("CLIPBOARD"));
}

bool X11ClipboardHandover::startKeeper(const ClipboardOffer& offer, int waitMs) {
    const QDeadlineTimer deadline(waitMs);
    int input[2];
    int ready[2];
    if (pipe2(input, O_CLOEXEC) != 0) return false;
    if (pipe2(ready, O_CLOEXEC) != 0) {
        close(input[0]);
        close(input[1]);
        return false;
    }
    // The keeper reads its offer on standard input and reports on standard output; it runs in
    // a session of its own so it outlives this program and the terminal it may have come from.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_adddup2(&actions, ready[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, "/");
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    char name[sizeof ClipboardKeeperName];
    std::memcpy(name, ClipboardKeeperName, sizeof name);
    char* argv[] = {name, nullptr};
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, "/proc/self/exe", &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(ready[1]);

    bool kept = false;
    if (spawned == 0) {
        // A keeper that dies early must not take this program down with SIGPIPE.
        std::signal(SIGPIPE, SIG_IGN);
        fcntl(input[1], F_SETFL, O_NONBLOCK);
        const bool sent = writeAll(input[1], SerializeOffer(offer), deadline);
        close(input[1]);
        input[1] = -1;
        char answer = 0;
        kept = sent && waitReady(ready[0], POLLIN, deadline) && read(ready[0], &answer, 1) == 1 &&
               answer == KeeperReady;
    }
    if (input[1] >= 0) close(input[1]);
    close(ready[0]);
    return kept;
}

} // namespace huebit
