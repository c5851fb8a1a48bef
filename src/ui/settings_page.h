#pragma once
// The settings page: sub-pages "Окно", "Шаблоны " (the template list editor) and "Пример ".

#include "core/color_model.h"

#include <QWidget>

class QBoxLayout;
class QCheckBox;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace huebit {

class FontGroup;
class IndicatorModeGroup;
class LanguageGroup;
class LazyPage;
class SampleTextPage;
class WindowOptionsGroup;

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    SettingsPage(ColorModel& model, QWidget* parent = nullptr);

    /// Switches sub-pages as the program does: the sub-page's change handler does not run.
    void ShowSubPage(int index);

    /// The editor's lines := the selector's entries; unapplied edits are dropped.
    void ResetTemplateEditor();
    void ApplyTemplateEditor();

    QTabWidget* PageControl5 = nullptr; // the sub-pages
    /// "Окно": its controls (the groups below) are made when it is first shown.
    LazyPage* windowPage = nullptr;
    SampleTextPage* samplePage = nullptr; // "Пример "
    QPlainTextEdit* Memo2 = nullptr;      // null until its sub-page is made
    QToolButton* SpeedButton7 = nullptr;  // "Применить"
    QToolButton* SpeedButton10 = nullptr; // "  Сброс"
    QSpinBox* SpinEdit4 = nullptr;        // sample width
    QSpinBox* SpinEdit5 = nullptr;        // sample height
    QCheckBox* CheckBox11 = nullptr;      // "квадрат"
    QCheckBox* CheckBox10 = nullptr;      // "создавать контур", hidden
    WindowOptionsGroup* options = nullptr; // " Дополнительные опции "
    LanguageGroup* languageGroup = nullptr;   // " Язык интерфейса "
    IndicatorModeGroup* indicatorGroup = nullptr; // " Индикатор текущего цвета ", hidden
    FontGroup* fontGroup = nullptr;           // " Выбор шрифта "
    QWidget* sampleGroup = nullptr;           // " Параметры графических экземпляров "

    /// The height the sub-pages need at `width`, every caption whole.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSizeHint() const override;

    static constexpr int TemplatesSubPage = 1;
    static constexpr int SampleSubPage = 2;

signals:
    /// The user switched to the "Пример " sub-page.
    void sampleSubPageEntered();
    /// The user switched to sub-page `index`.
    void subPageChosen(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindowPage(LazyPage& page);
    void arrangeFirstRow();
    /// "Шаблоны ": its editor is made when the sub-page first shows.
    QWidget* buildTemplatesPage();
    void buildTemplateEditor(QWidget* page);
    void buildSampleGroup();
    ColorModel& m_model;
    QBoxLayout* m_firstRow = nullptr; ///< the language and the font, side by side or stacked
    bool m_programSwitch = false;
};

} // namespace huebit
