#pragma once
// Connects the " Дополнительные опции " controls to the options they hold and to the window
// operations they run. A change made by the program (the settings file) runs the same action
// as the user's click.

namespace huebit {

class ShellDriver;
class WindowOptionsGroup;
struct HintOptions;
struct ShellOptions;

void WireWindowOptions(WindowOptionsGroup& group, ShellOptions& shell, HintOptions& hints,
                       ShellDriver& driver);

} // namespace huebit
