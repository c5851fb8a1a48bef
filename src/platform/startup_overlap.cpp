#include "platform/startup_overlap.h"

#include <QDBusConnection>
#include <fontconfig/fontconfig.h>

namespace huebit {

StartupOverlap::~StartupOverlap() {
    finishFontConfiguration();
    finishSessionBus();
}

void StartupOverlap::beginFontConfiguration() {
    // Fontconfig keeps one current configuration for the process; Qt's font database takes the
    // one loaded here instead of loading its own.
    m_fonts = std::thread([] { FcInit(); });
}

void StartupOverlap::finishFontConfiguration() {
    if (m_fonts.joinable()) m_fonts.join();
}

void StartupOverlap::beginSessionBus() {
    m_bus = std::thread([] { QDBusConnection::sessionBus(); });
}

void StartupOverlap::finishSessionBus() {
    if (m_bus.joinable()) m_bus.join();
}

} // namespace huebit
