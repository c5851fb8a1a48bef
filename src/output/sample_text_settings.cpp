#include "output/sample_text_settings.h"

#include "core/extra_texts.h"

#include "settings/code_page.h"

namespace huebit {

void SampleTextSettings::ResetSampleTextSettings() {
    const Sample& s = m_model.SampleState();
    m_editor.text = s.sampleText;
    m_editor.font = {s.font, s.text};
    emit editorChanged();
}

void SampleTextSettings::SetEditorText(const QString& text) {
    if (m_editor.text == text) return;
    m_editor.text = text;
    emit editorChanged();
}

void SampleTextSettings::ChooseSampleFont(FontDialog& dialog) {
    // While a dialog is open the window must not fold itself into the mini-window.
    m_shell.dialogOpen = true;
    const std::optional<FontChoice> chosen = dialog.pick(m_editor.font);
    m_shell.dialogOpen = false;
    if (!chosen) return;
    m_editor.font = *chosen;
    emit editorChanged();
}

void SampleTextSettings::ApplySampleTextSettings() {
    m_model.ApplySampleTextSettings(m_editor.text, m_editor.font.font, m_editor.font.color);
    if (!FitsCodePage(m_editor.text)) emit statusMessage(UnsavableCharactersText());
}

QString SampleTextSettings::UnsavableCharactersText() {
    return ExtraText("Некоторые знаки сохранятся в настройках как «?»");
}

} // namespace huebit
