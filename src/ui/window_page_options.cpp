#include "ui/window_page_options.h"

#include "output/hint_options.h"
#include "output/sample_options.h"
#include "output/status_hints.h"
#include "settings/element_tags.h"
#include "ui/indicator_mode_group.h"
#include "ui/settings_page.h"
#include "ui/shell_driver.h"
#include "ui/window_options_group.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>

namespace huebit {

namespace {

constexpr int MinSampleSide = 1;
constexpr int MaxSampleSide = 100;
constexpr int MaxTransparency = 255;

// Sets `option` to `value`; false when it held that already.
template <typename T> bool change(T& option, T value) {
    if (option == value) return false;
    option = value;
    return true;
}

void showChecked(QAbstractButton* button, bool on) {
    const QSignalBlocker quiet(button);
    button->setChecked(on);
}

void showValue(QSpinBox* box, int value) {
    const QSignalBlocker quiet(box);
    box->setValue(value);
}

} // namespace

WindowPageOptions::WindowPageOptions(ShellOptions& shell, HintOptions& hints,
                                     SampleOptions& sample, ShellDriver& driver, QObject* parent)
    : QObject(parent), m_shell(shell), m_hints(hints), m_sample(sample), m_driver(driver) {}

void WindowPageOptions::setInteractiveHints(bool on) {
    if (!change(m_hints.interactiveHints, on)) return;
    emit interactiveHintsChanged(on);
    showOptions();
}

void WindowPageOptions::setComponentsInHint(bool on) {
    if (change(m_hints.componentsInHint, on)) showOptions();
}

void WindowPageOptions::setHsvNotation(bool hsv) {
    if (change(m_hints.hsvNotation, hsv)) showOptions();
}

void WindowPageOptions::setStayOnTop(bool on) {
    if (!change(m_shell.stayOnTop, on)) return;
    m_driver.setStayOnTop(on);
    showOptions();
}

void WindowPageOptions::setOpenOnScreenPage(bool on) {
    if (change(m_shell.openOnScreenPage, on)) showOptions();
}

void WindowPageOptions::setStartInMiniWindow(bool on) {
    if (change(m_shell.startInMiniWindow, on)) showOptions();
}

void WindowPageOptions::setRefreshScreenOnOpen(bool on) {
    if (change(m_shell.refreshScreenOnOpen, on)) showOptions();
}

void WindowPageOptions::setUseIndicator(bool on) {
    if (change(m_hints.useIndicator, on)) showOptions();
}

void WindowPageOptions::setTransparency(int value) {
    if (change(m_shell.transparency, std::clamp(value, 0, MaxTransparency))) showOptions();
}

void WindowPageOptions::setIndicatorMode(IndicatorMode mode) {
    if (change(m_shell.indicatorMode, mode)) showOptions();
}

void WindowPageOptions::setSampleWidth(int pixels) {
    if (change(m_sample.width, std::clamp(pixels, MinSampleSide, MaxSampleSide))) showOptions();
}

void WindowPageOptions::setSampleHeight(int pixels) {
    if (change(m_sample.height, std::clamp(pixels, MinSampleSide, MaxSampleSide))) showOptions();
}

void WindowPageOptions::setSampleSquare(bool on) {
    if (change(m_sample.square, on)) showOptions();
}

void WindowPageOptions::setSampleContour(bool on) {
    if (change(m_sample.contour, on)) showOptions();
}

void WindowPageOptions::attach(SettingsPage& page) {
    m_page = &page;
    showOptions();
    WindowOptionsGroup& g = *page.options;
    const auto follow = [this](QAbstractButton* box, void (WindowPageOptions::*set)(bool)) {
        connect(box, &QAbstractButton::toggled, this, [this, set](bool on) { (this->*set)(on); });
    };
    follow(g.CheckBox1, &WindowPageOptions::setInteractiveHints);
    follow(g.CheckBox7, &WindowPageOptions::setComponentsInHint);
    follow(g.RadioButton10, &WindowPageOptions::setHsvNotation);
    follow(g.CheckBox9, &WindowPageOptions::setStayOnTop);
    follow(g.CheckBox3, &WindowPageOptions::setOpenOnScreenPage);
    follow(g.CheckBox5, &WindowPageOptions::setStartInMiniWindow);
    follow(g.CheckBox8, &WindowPageOptions::setRefreshScreenOnOpen);
    follow(g.CheckBox6, &WindowPageOptions::setUseIndicator);
    follow(page.CheckBox11, &WindowPageOptions::setSampleSquare);
    follow(page.CheckBox10, &WindowPageOptions::setSampleContour);
    connect(g.TrackBar1, &QSlider::valueChanged, this, &WindowPageOptions::setTransparency);
    connect(page.SpinEdit4, &QSpinBox::valueChanged, this, &WindowPageOptions::setSampleWidth);
    connect(page.SpinEdit5, &QSpinBox::valueChanged, this, &WindowPageOptions::setSampleHeight);
    connect(page.indicatorGroup, &IndicatorModeGroup::modeChanged, this,
            &WindowPageOptions::setIndicatorMode);
}

void WindowPageOptions::showOptions() {
    if (!m_page) return;
    WindowOptionsGroup& g = *m_page->options;
    showChecked(g.CheckBox1, m_hints.interactiveHints);
    showChecked(g.CheckBox7, m_hints.componentsInHint);
    showChecked(m_hints.hsvNotation ? g.RadioButton10 : g.RadioButton9, true);
    showChecked(g.CheckBox9, m_shell.stayOnTop);
    showChecked(g.CheckBox3, m_shell.openOnScreenPage);
    showChecked(g.CheckBox5, m_shell.startInMiniWindow);
    showChecked(g.CheckBox8, m_shell.refreshScreenOnOpen);
    showChecked(g.CheckBox6, m_hints.useIndicator);
    {
        const QSignalBlocker quiet(g.TrackBar1);
        g.TrackBar1->setValue(m_shell.transparency);
    }
    g.showTransparency(m_shell.transparency);
    {
        const QSignalBlocker quiet(m_page->indicatorGroup);
        m_page->indicatorGroup->setMode(m_shell.indicatorMode);
    }
    showValue(m_page->SpinEdit4, m_sample.width);
    showValue(m_page->SpinEdit5, m_sample.height);
    showChecked(m_page->CheckBox11, m_sample.square);
    showChecked(m_page->CheckBox10, m_sample.contour);
    // While the sample is square the height follows the width.
    m_page->SpinEdit5->setEnabled(!m_sample.square);
    // The components and their notation are open only while the hint is on, the notation only
    // while the components are shown too.
    const HintControlsState open = HintControls(m_hints.interactiveHints, m_hints.componentsInHint);
    g.CheckBox7->setEnabled(open.componentsEnabled);
    g.RadioButton9->setEnabled(open.notationEnabled);
    g.RadioButton10->setEnabled(open.notationEnabled);
}

} // namespace huebit
