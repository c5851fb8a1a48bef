#pragma once
// The sample-text parameters page: an edit box holding a text in a font and colour of its own,
// which "Применить" hands to the sample and "  Сброс" takes back from it.

#include "core/color_model.h"
#include "core/font_dialog.h"
#include "core/shell_state.h"

#include <QObject>

namespace huebit {

/// What the parameters page's edit box holds.
struct SampleTextEditor {
    QString text;
    FontChoice font; ///< face, size, style and colour
};

class SampleTextSettings : public QObject {
    Q_OBJECT
public:
    SampleTextSettings(ColorModel& model, ShellState& shell) : m_model(model), m_shell(shell) {}

    const SampleTextEditor& Editor() const { return m_editor; }

    /// The context entry "Параметры текста примера": the box takes the sample's text and font;
    /// the caller then shows the parameters page.
    void EditSampleTextSettings() { ResetSampleTextSettings(); }
    /// The box := `SampleText` in the sample's font and text colour.
    void ResetSampleTextSettings();
    /// The user typed into the box.
    void SetEditorText(const QString& text);
    /// Opens the font dialog on the box's font; a confirmed choice replaces it, colour included.
    void ChooseSampleFont(FontDialog& dialog);
    /// Hands the box's text, font and colour to the sample; the caller then shows page 0. A
    /// text with characters the settings file's code page lacks is applied as it is, and the
    /// status line says they will be saved as "?".
    void ApplySampleTextSettings();

    /// The status-line text for such a text. Built in: a language file has no line for it, and
    /// a new line would move every caption after it.
    static QString UnsavableCharactersText();

signals:
    /// The box's text, font or colour changed.
    void editorChanged();
    /// A text for the status line.
    void statusMessage(const QString& text);

private:
    ColorModel& m_model;
    ShellState& m_shell;
    SampleTextEditor m_editor;
};

} // namespace huebit
