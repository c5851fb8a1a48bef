#include "platform/termination_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace huebit {

namespace {

// Never closed: a handler may write to it up to the process's last instruction, and a closed
// descriptor could by then name another file.
int pipeFds[2] = {-1, -1};
constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onSignal(int signal) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // A full pipe already holds a request to close; this one may go.
    [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], &byte, 1);
    errno = saved;
}

bool installHandlers() {
    if (pipeFds[0] >= 0) return true;
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return false; // the defaults stay
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESETHAND: the handler stays for every later signal.
    action.sa_flags = SA_RESTART;
    for (int s : Handled)
        ::sigaction(s, &action, nullptr);
    return true;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (!installHandlers()) return;
    m_notifier = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        while (::read(pipeFds[0], &byte, 1) == 1)
            emit received(byte);
    });
}

// The handlers stay: the program is ending by then, and a signal must not cut short what is
// left of that (the clipboard handed over, the process's own exit).
TerminationSignals::~TerminationSignals() = default;

} // namespace huebit
