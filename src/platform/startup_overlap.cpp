#include "platform/startup_overlap.h"

#include <QDBusConnection>

namespace huebit {

StartupOverlap::~StartupOverlap() {
    finishSessionBus();
}

void StartupOverlap::beginSessionBus() {
    // Without an address the D-Bus library launches a bus, forking this process: that is left to
    // the main thread, when no other thread of ours runs (a child forked while another thread
    // holds the allocator's lock can hang before it executes the launcher).
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return;
    m_bus = std::thread([] { QDBusConnection::sessionBus(); });
}

void StartupOverlap::finishSessionBus() {
    if (m_bus.joinable()) m_bus.join();
}

} // namespace huebit
