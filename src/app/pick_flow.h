#pragma once
// The decisions of `huebit --pick`: what a pick or a cancel prints, copies and hands on, and how
// the settings file changes when no window runs to take the colour.

#include "core/color.h"
#include "settings/settings_buffer.h"
#include "settings/settings_record.h"

#include <QString>
#include <optional>

namespace huebit {

/// Exit status of a pick that was cancelled, refused or failed (a pick itself exits with 0).
constexpr int PickCancelledExitCode = 1;

/// The command line's choices for a pick.
struct PickOptions {
    QString format;   ///< --format TEMPLATE; empty for the settings' active template
    bool copy = true; ///< false with --no-copy
    bool operator==(const PickOptions&) const = default;
};

/// What the program does once the overlay has ended.
struct PickOutcome {
    int exitCode = PickCancelledExitCode;
    QString printed; ///< for standard output, newline included; empty when nothing is printed
    std::optional<QString> clipboardText;
    std::optional<Color> handOver; ///< the colour for the window or the settings file
};

/// `picked` is nothing after a cancel. `activeEntry` is the settings' template entry, used
/// unless --format gave one.
PickOutcome DecidePickOutcome(std::optional<Color> picked, const PickOptions& options,
                              const QString& activeEntry);

/// The entry a loaded window would have active: the selected one of the stored list. A file
/// with no valid selection leaves the window's text line empty; a pick is only of use as text,
/// so it falls back to the shipped default entry then.
QString ActiveTemplateEntry(const SettingsRecord& record);

/// The settings file's lines with `c` as the current colour (the sample colour of the stored
/// target) and as the newest previous colour (unless it is the newest already: the window does
/// not record a colour twice in a row). Every other line stays exactly as it was.
SettingsBuffer WithPickedColor(const SettingsBuffer& lines, Color c);

} // namespace huebit
