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
    if (set(m_hints.interactiveHints, on)) emit interactiveHintsChanged(on);
}

void WindowPageOptions::setComponentsInHint(bool on) { set(m_hints.componentsInHint, on); }

void WindowPageOptions::setHsvNotation(bool hsv) { set(m_hints.hsvNotation, hsv); }

void WindowPageOptions::setStayOnTop(bool on) {
    if (set(m_shell.stayOnTop, on)) m_driver.setStayOnTop(on);
}

void WindowPageOptions::setOpenOnScreenPage(bool on) { set(m_shell.openOnScreenPage, on); }

void WindowPageOptions::setStartInMiniWindow(bool on) { set(m_shell.startInMiniWindow, on); }

void WindowPageOptions::setRefreshScreenOnOpen(bool on) { set(m_shell.refreshScreenOnOpen, on); }

void WindowPageOptions::setUseIndicator(bool on) { set(m_hints.useIndicator, on); }

void WindowPageOptions::setTransparency(int value) {
    set(m_shell.transparency, std::clamp(value, 0, MaxTransparency));
}

void WindowPageOptions::setIndicatorMode(IndicatorMode mode) { set(m_shell.indicatorMode, mode); }

void WindowPageOptions::setSampleWidth(int pixels) {
    set(m_sample.width, std::clamp(pixels, MinSampleSide, MaxSampleSide));
}

void WindowPageOptions::setSampleHeight(int pixels) {
    set(m_sample.height, std::clamp(pixels, MinSampleSide, MaxSampleSide));
}

void WindowPageOptions::setSampleSquare(bool on) { set(m_sample.square, on); }

void WindowPageOptions::setSampleContour(bool on) { set(m_sample.contour, on); }

void WindowPageOptions::attach(SettingsPage& page) {
    m_page = &page;
    showOptions();
    WindowOptionsGroup& g = *page.options;
    const auto follow = [this](QAbstractButton* box, void (WindowPageOptions::*apply)(bool)) {
        connect(box, &QAbstractButton::toggled, this,
                [this, apply](bool on) { (this->*apply)(on); });
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
