#include "platform/startup_overlap.h"

#include <QFontDatabase>
#include <QStringList>

namespace huebit {

StartupOverlap::~StartupOverlap() {
    finishFontDatabase();
}

void StartupOverlap::beginFontDatabase() {
    // Without an address the D-Bus library launches a bus when the bridge connects, forking this
    // process: no other thread of ours may run then (a child forked while another thread holds
    // a lock, fontconfig's or the allocator's, can hang before it executes the launcher).
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return;
    m_fonts = std::thread([] { QFontDatabase::families(); });
}

void StartupOverlap::finishFontDatabase() {
    if (m_fonts.joinable()) m_fonts.join();
}

} // namespace huebit
