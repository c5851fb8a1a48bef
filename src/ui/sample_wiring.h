#pragma once
// Connects the sample, its buttons and context menu, and the "Пример " settings sub-page to the
// model: each event becomes one model call.

#include <QString>
#include <array>
#include <functional>

class QMenu;

namespace huebit {

class ColorModel;
class FontDialog;
class PalettePicking;
class SampleTextSettings;
struct SampleOptions;
class SelectionPage;
class SettingsPage;

struct SampleWiring {
    SelectionPage& page;
    SettingsPage& settings;
    ColorModel& model;
    SampleTextSettings& sampleSettings;
    PalettePicking& palettes;
    SampleOptions& options; ///< the readable-text target among them
    std::function<FontDialog&()> fontDialog;
    std::function<void()> showHidePanel;
    std::array<std::function<void()>, 3> copy; ///< text, bitmap, vector
    /// Switches the main pages as the program does.
    std::function<void(int)> showPage;
    /// Writes the status line (the readable-text command's outcome).
    std::function<void(const QString&)> showStatus;
};

/// Returns the sample's context menu, which the floating panel shares.
QMenu* WireSample(const SampleWiring& w);

} // namespace huebit
