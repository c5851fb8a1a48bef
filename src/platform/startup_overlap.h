#pragma once
// Parts of the start that need neither the window nor the main thread, run on a second core:
// fontconfig's configuration while QApplication is made, then Qt's font database while the main
// thread starts the accessibility bridge, which mostly waits for the session bus.

#include <thread>

namespace huebit {

class StartupOverlap {
public:
    StartupOverlap() = default;
    StartupOverlap(const StartupOverlap&) = delete;
    StartupOverlap& operator=(const StartupOverlap&) = delete;
    ~StartupOverlap();

    /// Loads fontconfig's configuration and font caches, which Qt's font database reads first.
    /// Needs no QApplication. Nothing without a session bus address in the environment.
    void beginFontConfig();
    /// Reads the installed fonts into Qt's font database, once the configuration is loaded.
    /// Nothing without a session bus address in the environment.
    void beginFontDatabase();
    /// Waits for both.
    void finishFontDatabase();

private:
    std::thread m_config;
    std::thread m_fonts;
};

} // namespace huebit
