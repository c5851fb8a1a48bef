#include "ui/options_wiring.h"

#include "output/hint_options.h"
#include "settings/shell_options.h"
#include "ui/shell_driver.h"
#include "ui/window_options_group.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>

namespace huebit {

namespace {

void bind(QCheckBox* box, bool& option) {
    QObject::connect(box, &QCheckBox::toggled, box, [&option](bool on) { option = on; });
}

} // namespace

void WireWindowOptions(WindowOptionsGroup& g, ShellOptions& shell, HintOptions& hints,
                       ShellDriver& driver) {
    QObject::connect(g.CheckBox9, &QCheckBox::toggled, &driver, [&shell, &driver](bool on) {
        shell.stayOnTop = on;
        driver.setStayOnTop(on);
    });
    bind(g.CheckBox3, shell.openOnScreenPage);
    bind(g.CheckBox5, shell.startInMiniWindow);
    bind(g.CheckBox8, shell.refreshScreenOnOpen);
    bind(g.CheckBox6, hints.useIndicator);
    bind(g.CheckBox1, hints.interactiveHints);
    // The notation choice is open only while the components are shown and that option itself
    // is open.
    auto notationOpen = [&g] {
        const bool open = g.CheckBox7->isChecked() && g.CheckBox7->isEnabled();
        g.RadioButton9->setEnabled(open);
        g.RadioButton10->setEnabled(open);
    };
    QObject::connect(g.CheckBox7, &QCheckBox::toggled, &g, [&hints, notationOpen](bool on) {
        hints.componentsInHint = on;
        notationOpen();
    });
    QObject::connect(g.RadioButton10, &QRadioButton::toggled, &g,
                     [&hints](bool hsv) { hints.hsvNotation = hsv; });
    QObject::connect(g.TrackBar1, &QSlider::valueChanged, &g, [&g, &shell](int v) {
        shell.transparency = v;
        g.showTransparency(v);
    });
}

} // namespace huebit
