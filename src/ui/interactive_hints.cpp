#include "ui/interactive_hints.h"

#include "core/ui_texts.h"
#include "output/hint_options.h"
#include "ui/settings_page.h"
#include "ui/status_line.h"
#include "ui/window_options_group.h"

#include <QCheckBox>
#include <QRadioButton>

namespace huebit {

InteractiveHints::InteractiveHints(StatusLine& status, WindowOptionsGroup& options,
                                   SettingsPage& settings, const UiTexts& texts, HintOptions& hints,
                                   QObject* parent)
    : QObject(parent), m_status(status), m_options(options), m_texts(texts), m_hints(hints),
      m_tracker(this) {
    connect(m_options.CheckBox1, &QCheckBox::toggled, this,
            [this](bool on) { SetInteractiveHints(on); });
    connect(&m_status, &StatusLine::doubleClicked, this, [this] { m_options.CheckBox1->toggle(); });
    connect(m_options.CheckBox7, &QCheckBox::toggled, this, [this] { applyControls(); });
    connect(&m_tracker, &HintTracker::elementUnderPointer, this,
            [this](QWidget* element) { PointerOver(element->statusTip()); });
    connect(&settings, &SettingsPage::subPageChosen, this, [this](int index) {
        if (m_hints.interactiveHints)
            m_status.showMessage(m_texts[SettingsSubPageTextIndex(index)]);
    });
    applyControls();
}

void InteractiveHints::SetInteractiveHints(bool on) {
    m_hints.interactiveHints = on;
    m_autoHint.SetEnabled(on);
    m_status.showMessage(m_texts[InteractiveHintsTextIndex(on)]);
    applyControls();
}

void InteractiveHints::PointerOver(const QString& hint) {
    if (const auto text = m_autoHint.PointerOver(hint)) m_status.showHint(*text);
}

void InteractiveHints::applyControls() {
    const HintControlsState state =
        HintControls(m_hints.interactiveHints, m_options.CheckBox7->isChecked());
    m_options.CheckBox7->setEnabled(state.componentsEnabled);
    m_options.RadioButton9->setEnabled(state.notationEnabled);
    m_options.RadioButton10->setEnabled(state.notationEnabled);
}

} // namespace huebit
