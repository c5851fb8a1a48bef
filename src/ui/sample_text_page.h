#pragma once
// The settings sub-page "Пример ": the sample text in an edit box that previews it in the chosen
// font and colour, with the buttons that choose the font, apply and reset.

#include "output/sample_text_settings.h"

#include "ui/lazy_page.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace huebit {

class SampleTextPage : public LazyPage {
    Q_OBJECT
public:
    /// The captioned elements among the controls.
    static constexpr int CaptionCount = 6;

    /// The controls are made when first needed (LazyPage).
    explicit SampleTextPage(QWidget* parent = nullptr);

    /// Shows the box's text in its font and colour; the caret stays where the user left it.
    /// While the page is hidden the font and colour wait until it next shows: a new font family
    /// costs a font of its own to load.
    void showEditor(const SampleTextEditor& editor);
    /// The parameters group, which a large interface font widens.
    QSize minimumSizeHint() const override;

    QGroupBox* group = nullptr;
    QLineEdit* textEdit = nullptr;       // the edit box, pale yellow
    QToolButton* fontButton = nullptr;   // "Шрифт примера"
    QToolButton* applyButton = nullptr;  // "Применить"
    QToolButton* resetButton = nullptr;  // "  Сброс"
    QToolButton* toggleButton = nullptr; // shows or hides the sample text, hidden
    QLabel* toggleLabel = nullptr;       // "- показать/скрыть текст", hidden
    QCheckBox* aaaBox = nullptr;         // "Текст по уровню AAA (7:1)", under the buttons

protected:
    void makeControls() override;
    void showEvent(QShowEvent* event) override;

private:
    void showEditorLook();

    SampleTextEditor m_editor; ///< as last shown
    bool m_lookShown = true;
};

/// The edit box's background, RGB(255, 255, 221).
constexpr unsigned SampleEditBackground = 0xDDFFFF;

} // namespace huebit
