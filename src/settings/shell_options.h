#pragma once
// Options of the window shell and its appearance that the settings file keeps. Their controls
// and behaviour belong to the mini-window, tray, floating panel, settings page and language
// file; until a feature is wired, its option is held here as plain state, so it is loaded,
// kept through a run and written back unchanged.
//
// Each field notes the settings-file line(s) and the control that sets it.

#include <QString>

namespace huebit {

/// The colour indicator's mode, a stored three-way choice (settings line 167 holds "din",
/// "stat" or "no"). Nothing in the program behaves differently by it.
enum class IndicatorMode { Dynamic, Static, Unused };

struct ShellOptions {
    /// 166: the title strip's check box "Открывать при наведении" (CheckBox4): the mini-window
    /// opens to full size while the pointer rests on it.
    bool openOnHover = true;
    /// 167: "динамический" / "статический" / "не использовать" in the hidden indicator group.
    IndicatorMode indicatorMode = IndicatorMode::Static;
    /// 169: the language selector's text, the name of a language file; empty for the built-in
    /// texts.
    QString language;
    /// 170: "Открываться на вкладке "Экран"": start-up and the hover view show the screen page.
    bool openOnScreenPage = true;
    /// 171: "Запускаться в режиме миниокна": the floating panel's creation shrinks the main
    /// window to the mini-window.
    bool startInMiniWindow = true;
    /// 176 and 184: "Обновлять образ экрана при развёртывании": opening the mini-window to full
    /// size on the screen page captures the screen again.
    bool refreshScreenOnOpen = true;
    /// 183: "Располагать поверх всех окон": the main window stays above all others.
    bool stayOnTop = true;
    /// 186: interface font size in points, 1-100 (the font-size spin box).
    int fontSize = 8;
    /// 187: interface font name; empty while none is chosen.
    QString fontName;
    /// 192: mini-window transparency 0-255 (0 fully visible, 255 fully transparent), the
    /// slider between "видимо" and "прозрачно".
    int transparency = 128;
    /// 193: the colour indicator in its large form (29 x 105) rather than the small one.
    bool largeIndicator = false;

    bool operator==(const ShellOptions&) const = default;
};

} // namespace huebit
