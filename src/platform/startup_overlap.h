#pragma once
// A part of the start that needs neither the window nor the main thread, run on a second core
// while the main thread starts the accessibility bridge, which mostly waits for the session bus.

#include <thread>

namespace huebit {

class StartupOverlap {
public:
    StartupOverlap() = default;
    StartupOverlap(const StartupOverlap&) = delete;
    StartupOverlap& operator=(const StartupOverlap&) = delete;
    ~StartupOverlap();

    /// Reads the installed fonts into Qt's font database. Nothing without a session bus address
    /// in the environment.
    void beginFontDatabase();
    /// Waits for the font database.
    void finishFontDatabase();

private:
    std::thread m_fonts;
};

} // namespace huebit
