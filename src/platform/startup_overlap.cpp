#include "platform/startup_overlap.h"

#include <QFontDatabase>
#include <QStringList>
#include <cstdlib>
#include <fontconfig/fontconfig.h>

namespace huebit {

namespace {

// Without an address the D-Bus library launches a bus when the bridge connects, forking this
// process: no other thread of ours may run then (a child forked while another thread holds a
// lock, fontconfig's or the allocator's, can hang before it executes the launcher).
bool MayRunBesideTheMainThread() {
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    return bus != nullptr && *bus != '\0';
}

} // namespace

StartupOverlap::~StartupOverlap() {
    finishFontDatabase();
}

void StartupOverlap::beginFontConfig() {
    if (!MayRunBesideTheMainThread() || m_config.joinable()) return;
    // Parsing the configuration files and mapping the caches is most of the font database's
    // cost, and fontconfig's initialisation may run on any thread.
    m_config = std::thread([] { FcInit(); });
}

void StartupOverlap::beginFontDatabase() {
    if (!MayRunBesideTheMainThread() || m_fonts.joinable()) return;
    m_fonts = std::thread([this] {
        if (m_config.joinable()) m_config.join();
        QFontDatabase::families();
    });
}

void StartupOverlap::finishFontDatabase() {
    if (m_fonts.joinable()) m_fonts.join();
    // Only when the database was never asked for; otherwise its thread has joined this one.
    if (m_config.joinable()) m_config.join();
}

} // namespace huebit
