#include "ui/sample_text_page.h"

#include "ui/element_hint.h"
#include "ui/extra_text_binding.h"
#include "ui/font_refit.h"
#include "ui/qt_color.h"
#include "ui/qt_font.h"
#include "ui/wrap_check_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <array>

namespace huebit {

namespace {

QToolButton* makeButton(const char* name, const char* caption, const char* hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QString::fromUtf8(caption));
    SetElementHint(b, QString::fromUtf8(hint), b->text());
    return b;
}

} // namespace

SampleTextPage::SampleTextPage(QWidget* parent) : LazyPage(CaptionCount, {}, parent) {
    setObjectName(QStringLiteral("TabSheetSample"));
}

void SampleTextPage::makeControls() {
    group = new QGroupBox(QStringLiteral(" Параметры текста примера "), this);
    group->setObjectName(QStringLiteral("GroupBoxSampleText"));
    BindExtraText(group, "accessibleName", group->title().trimmed());
    group->setGeometry(6, 6, 376, 136);

    textEdit = new QLineEdit(group);
    textEdit->setObjectName(QStringLiteral("SampleTextEdit"));
    SetElementHint(textEdit, QStringLiteral("Пример отображения текста"));
    // It previews the sample's own font: the interface font does not reach it.
    SetElementTag(textEdit, -100);
    textEdit->setGeometry(10, 22, 356, 64);
    QPalette pal = textEdit->palette();
    pal.setColor(QPalette::Base, ToQColor(SampleEditBackground));
    textEdit->setPalette(pal);

    fontButton = makeButton("SampleFontButton", "Шрифт примера", "Выбор шрифта примера", group);
    applyButton = makeButton("SampleApplyButton", "Применить", "", group);
    resetButton = makeButton("SampleResetButton", "  Сброс", "", group);
    // Not in the original layout: its caption wraps rather than widen the window, and it takes
    // no caption line; its texts are in the extra text table.
    const QString aaaCaption = QStringLiteral("Текст по уровню AAA (7:1)");
    aaaBox = new WrapCheckBox(aaaCaption, group);
    aaaBox->setObjectName(QStringLiteral("SampleAaaCheckBox"));
    SetElementHint(aaaBox,
                   QStringLiteral("«Сделать текст читаемым» добивается контраста 7:1, а не 4,5:1"),
                   aaaCaption);
    BindExtraText(aaaBox, "text", aaaCaption);
    BindExtraText(aaaBox, "accessibleName", aaaCaption);
    KeepOutOfLanguageFile(aaaBox);
    // 120, 112 and 112 wide at the designed font; at a larger one each as wide as its caption
    // needs, with what is left of the row shared out.
    new FontRefit({fontButton, applyButton, resetButton, aaaBox}, [this] {
        const std::array<QToolButton*, 3> buttons{fontButton, applyButton, resetButton};
        const std::array<int, 3> designed{120, 112, 112};
        constexpr int Left = 10, Right = 366, Gap = 6;
        std::array<int, 3> widths = designed;
        int needed = 0;
        for (int i = 0; i < 3; ++i) {
            const int need = buttons[i]->fontMetrics().horizontalAdvance(buttons[i]->text()) + 12;
            if (need > designed[i]) widths = {};
            needed += need;
        }
        if (widths[0] == 0) {
            const int spare = std::max(0, Right - Left - 2 * Gap - needed) / 3;
            for (int i = 0; i < 3; ++i)
                widths[i] = buttons[i]->fontMetrics().horizontalAdvance(buttons[i]->text()) + 12 + spare;
        }
        const int height = std::max(26, fontButton->sizeHint().height());
        int x = Left;
        for (int i = 0; i < 3; ++i) {
            buttons[i]->setGeometry(x, 96, widths[i], height);
            x += widths[i] + Gap;
        }
        // A row or a title wider than the layout's group widens the group and the text with
        // it (the window grows to fit, THuebit::FitClientToFont).
        const int title = group->fontMetrics().horizontalAdvance(group->title()) + 16;
        const int width = std::max({376, x - Gap + Left, title});
        const int boxWidth = width - 2 * Left;
        aaaBox->setGeometry(Left, 96 + height + 6, boxWidth, aaaBox->heightForWidth(boxWidth));
        group->resize(width, aaaBox->geometry().bottom() + 9);
        textEdit->resize(width - 2 * Left, textEdit->height());
        updateGeometry();
    }, group);

    // Present in the layout but hidden: the sample's own button does the same.
    toggleButton =
        makeButton("SampleTextToggle", "", "Включение/отключение отображения примера текста", this);
    toggleButton->setGeometry(10, 150, 19, 19);
    toggleButton->hide();
    toggleLabel = new QLabel(QStringLiteral("- показать/скрыть текст"), this);
    toggleLabel->setObjectName(QStringLiteral("SampleTextToggleLabel"));
    toggleLabel->setAccessibleName(toggleLabel->text());
    toggleLabel->setGeometry(34, 150, 160, 19);
    toggleLabel->hide();
    textEdit->setText(m_editor.text);
}

// The group and the margin of 6 the layout keeps around it.
QSize SampleTextPage::minimumSizeHint() const {
    if (!made()) return QWidget::minimumSizeHint();
    return {group->geometry().right() + 7, group->geometry().bottom() + 7};
}

void SampleTextPage::showEditor(const SampleTextEditor& editor) {
    m_editor = editor;
    m_lookShown = false;
    if (!made()) return;
    if (textEdit->text() != editor.text) textEdit->setText(editor.text);
    if (isVisible()) showEditorLook();
}

void SampleTextPage::showEvent(QShowEvent* event) {
    if (!m_lookShown) showEditorLook();
    QWidget::showEvent(event);
}

void SampleTextPage::showEditorLook() {
    m_lookShown = true;
    textEdit->setFont(ToQFont(m_editor.font.font));
    QPalette pal = textEdit->palette();
    pal.setColor(QPalette::Text, ToQColor(m_editor.font.color));
    textEdit->setPalette(pal);
}

} // namespace huebit
