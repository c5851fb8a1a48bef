#pragma once
// A test hook for the start-up checks: with HUEBIT_STARTUP_PROBE set, the program prints the
// memory it holds once its window is first on the screen, then ends at once.

class QWidget;

namespace huebit {

/// Arms the probe on `window` when HUEBIT_STARTUP_PROBE is set; does nothing otherwise.
void ArmStartupProbe(QWidget& window);

} // namespace huebit
