#include "ui/interactive_hints.h"

#include "core/ui_texts.h"
#include "output/hint_options.h"
#include "ui/settings_page.h"
#include "ui/status_line.h"
#include "ui/window_page_options.h"

namespace huebit {

InteractiveHints::InteractiveHints(StatusLine& status, WindowPageOptions& options,
                                   SettingsPage& settings, const UiTexts& texts, HintOptions& hints,
                                   QObject* parent)
    : QObject(parent), m_status(status), m_texts(texts), m_hints(hints), m_tracker(this) {
    connect(&options, &WindowPageOptions::interactiveHintsChanged, this,
            [this](bool on) { InteractiveHintsChanged(on); });
    connect(&m_status, &StatusLine::doubleClicked, this,
            [this, &options] { options.setInteractiveHints(!m_hints.interactiveHints); });
    connect(&m_tracker, &HintTracker::elementUnderPointer, this,
            [this](QWidget* element) { PointerOver(element->statusTip()); });
    connect(&settings, &SettingsPage::subPageChosen, this, [this](int index) {
        if (m_hints.interactiveHints)
            m_status.showMessage(m_texts[SettingsSubPageTextIndex(index)]);
    });
}

void InteractiveHints::InteractiveHintsChanged(bool on) {
    m_autoHint.SetEnabled(on);
    m_status.showMessage(m_texts[InteractiveHintsTextIndex(on)]);
}

void InteractiveHints::PointerOver(const QString& hint) {
    if (const auto text = m_autoHint.PointerOver(hint)) m_status.showHint(*text);
}

} // namespace huebit
