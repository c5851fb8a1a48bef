// The main window's keys: which command each combination runs, and when none does.
#include "shell/window_keys.h"

#include <gtest/gtest.h>

using namespace huebit;

TEST(WindowKeys, CombinationsAndTheirExceptions) {
    using C = WindowKeyCommand;
    constexpr auto Ctrl = Qt::ControlModifier;
    constexpr auto Shift = Qt::ShiftModifier;
    const struct {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool selection, dialog;
        C want;
    } cases[] = {
        {"Ctrl+C copies the text", Qt::Key_C, Ctrl, false, false, C::CopyText},
        {"Ctrl+C with a field selection stays the field's", Qt::Key_C, Ctrl, true, false, C::None},
        {"Ctrl+B bitmap", Qt::Key_B, Ctrl, false, false, C::CopyBitmap},
        {"Ctrl+B even over a selection", Qt::Key_B, Ctrl, true, false, C::CopyBitmap},
        {"Ctrl+Shift+B vector", Qt::Key_B, Ctrl | Shift, false, false, C::CopyVector},
        {"Ctrl+P pick", Qt::Key_P, Ctrl, false, false, C::Pick},
        {"Ctrl+Q close", Qt::Key_Q, Ctrl, false, false, C::Close},
        {"Ctrl+R readable text", Qt::Key_R, Ctrl, false, false, C::Readable},
        {"Ctrl+R over a selection too", Qt::Key_R, Ctrl, true, false, C::Readable},
        {"Ctrl+Shift+R is another combination", Qt::Key_R, Ctrl | Shift, false, false, C::None},
        {"a dialog is open: Ctrl+R", Qt::Key_R, Ctrl, false, true, C::None},
        {"keypad Ctrl+C counts", Qt::Key_C, Ctrl | Qt::KeypadModifier, false, false, C::CopyText},
        {"plain C is typing", Qt::Key_C, Qt::NoModifier, false, false, C::None},
        {"Ctrl+Shift+C is another combination", Qt::Key_C, Ctrl | Shift, false, false, C::None},
        {"Ctrl+Alt+Q is another combination", Qt::Key_Q, Ctrl | Qt::AltModifier, false, false,
         C::None},
        {"Ctrl+V stays the fields'", Qt::Key_V, Ctrl, false, false, C::None},
        {"Ctrl+X stays the fields'", Qt::Key_X, Ctrl, false, false, C::None},
        {"Ctrl+Z stays the fields'", Qt::Key_Z, Ctrl, false, false, C::None},
        {"a dialog is open: Ctrl+Q", Qt::Key_Q, Ctrl, false, true, C::None},
        {"a dialog is open: Ctrl+C", Qt::Key_C, Ctrl, false, true, C::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WindowKeyFor(c.key, c.modifiers, c.selection, c.dialog), c.want);
    }
}
