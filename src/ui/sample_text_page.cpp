#include "ui/sample_text_page.h"

#include "ui/element_hint.h"
#include "ui/qt_color.h"
#include "ui/qt_font.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

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

SampleTextPage::SampleTextPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheetSample"));
    setAutoFillBackground(true);
    group = new QGroupBox(QStringLiteral(" Параметры текста примера "), this);
    group->setObjectName(QStringLiteral("GroupBoxSampleText"));
    group->setAccessibleName(group->title().trimmed());
    group->setGeometry(6, 6, 376, 136);

    textEdit = new QLineEdit(group);
    textEdit->setObjectName(QStringLiteral("SampleTextEdit"));
    SetElementHint(textEdit, QStringLiteral("Пример отображения текста"));
    textEdit->setGeometry(10, 22, 356, 64);
    QPalette pal = textEdit->palette();
    pal.setColor(QPalette::Base, ToQColor(SampleEditBackground));
    textEdit->setPalette(pal);

    fontButton = makeButton("SampleFontButton", "Шрифт примера", "Выбор шрифта примера", group);
    fontButton->setGeometry(10, 96, 120, 26);
    applyButton = makeButton("SampleApplyButton", "Применить", "", group);
    applyButton->setGeometry(136, 96, 112, 26);
    resetButton = makeButton("SampleResetButton", "  Сброс", "", group);
    resetButton->setGeometry(254, 96, 112, 26);

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
}

void SampleTextPage::showEditor(const SampleTextEditor& editor) {
    if (textEdit->text() != editor.text) textEdit->setText(editor.text);
    textEdit->setFont(ToQFont(editor.font.font));
    QPalette pal = textEdit->palette();
    pal.setColor(QPalette::Text, ToQColor(editor.font.color));
    textEdit->setPalette(pal);
}

} // namespace huebit
