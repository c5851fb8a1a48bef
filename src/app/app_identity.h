#pragma once
// Who the program is to the desktop. One reverse-DNS id names the menu entry, its icon, the
// software centre's record and the window's app id, so a dock can match the running window to
// its entry.

namespace huebit {

inline constexpr char ApplicationId[] = "app.huebit.Huebit";
inline constexpr char ApplicationName[] = "Huebit";
inline constexpr char ApplicationVersion[] = HUEBIT_VERSION;
/// The executable's name, as the menu entry starts it.
inline constexpr char ExecutableName[] = "huebit";

} // namespace huebit
