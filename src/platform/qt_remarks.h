#pragma once
// Qt's own remarks on standard error, for the tasks that run without a window: built off
// screen, the window makes Qt remark on every desktop feature that platform lacks (opacity,
// a tray, a runtime folder), which says nothing about the task.

namespace huebit {

/// From now on Qt's debug, information and warning messages go nowhere; critical and fatal
/// ones still reach standard error.
void SilenceQtRemarks();

} // namespace huebit
