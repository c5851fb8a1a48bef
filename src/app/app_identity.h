#pragma once
// Who the program is to the desktop. One reverse-DNS id names the menu entry, its icon, the
// software centre's record and the window's app id, so a dock can match the running window to
// its entry.

namespace huebit {

inline constexpr char ApplicationId[] = "app.huebit.Huebit";
inline constexpr char ApplicationName[] = "Huebit";
inline constexpr char ApplicationVersion[] = HUEBIT_VERSION;
/// The program's web page, behind the About page's link and named in the language-file error.
inline constexpr char WebPageAddress[] = "https://huebit.app";
/// The executable's name, as the menu entry starts it.
inline constexpr char ExecutableName[] = "huebit";

} // namespace huebit
