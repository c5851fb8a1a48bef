#include "ui/window_options_group.h"

#include "ui/color_swatch.h"
#include "ui/element_hint.h"
#include "ui/wrap_check_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace huebit {

namespace {

QCheckBox* makeOption(const char* name, const char* caption, QWidget* parent) {
    auto* box = new WrapCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    SetElementHint(box, QString(), box->text());
    box->setChecked(true);
    return box;
}

QRadioButton* makeChoice(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    SetElementHint(button, QString(), button->text());
    return button;
}

QLabel* makeLabel(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(label->text());
    return label;
}

} // namespace

// Laid out from the fonts, so every caption stays whole at any interface font size; the long
// options wrap when the group is too narrow for them.
WindowOptionsGroup::WindowOptionsGroup(QWidget* parent)
    : QGroupBox(QStringLiteral(" Дополнительные опции "), parent) {
    setObjectName(QStringLiteral("GroupBox4"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 4, 8, 6);
    column->setSpacing(2);
    CheckBox1 = makeOption("CheckBox1", "Включить интерактивную подсказку", this);
    column->addWidget(CheckBox1);
    auto* hint = new QHBoxLayout;
    CheckBox7 = makeOption("CheckBox7", "Компоненты в подсказке", this);
    RadioButton9 = makeChoice("RadioButton9", "RGB", this);
    RadioButton10 = makeChoice("RadioButton10", "HSV", this);
    RadioButton9->setChecked(true);
    auto* notation = new QButtonGroup(this);
    notation->addButton(RadioButton9);
    notation->addButton(RadioButton10);
    hint->addWidget(CheckBox7, 1);
    hint->addWidget(RadioButton9);
    hint->addWidget(RadioButton10);
    column->addLayout(hint);
    CheckBox9 = makeOption("CheckBox9", "Располагать поверх всех окон", this);
    CheckBox3 = makeOption("CheckBox3", "Открываться на вкладке \"Экран\"", this);
    CheckBox5 = makeOption("CheckBox5", "Запускаться в режиме миниокна", this);
    CheckBox8 = makeOption("CheckBox8", "Обновлять образ экрана при развёртывании", this);
    CheckBox6 = makeOption("CheckBox6", "Использовать индикатор цвета", this);
    for (QCheckBox* box : {CheckBox9, CheckBox3, CheckBox5, CheckBox8, CheckBox6})
        column->addWidget(box);

    auto* transparency = new QHBoxLayout;
    transparency->setContentsMargins(0, 4, 0, 0);
    Label40 = makeLabel("Label40", "видимо", this);
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    SetElementHint(TrackBar1, QStringLiteral("Прозрачность миниокна"));
    TrackBar1->setRange(0, 255);
    TrackBar1->setPageStep(16);
    TrackBar1->setValue(128);
    TrackBar1->setMinimumWidth(80);
    Label41 = makeLabel("Label41", "прозрачно", this);
    Panel58 = new QWidget(this);
    Panel58->setObjectName(QStringLiteral("Panel58"));
    MarkAsPanel(Panel58);
    Panel58->setAutoFillBackground(true);
    QPalette black = Panel58->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel58->setPalette(black);
    Panel58->setFixedSize(20, 20);
    Panel57 = new ColorSwatch(QStringLiteral("Panel57"), QStringLiteral("Прозрачность миниокна"),
                              Panel58);
    Panel57->setGeometry(2, 2, 16, 16);
    transparency->addWidget(Label40);
    transparency->addWidget(TrackBar1, 1);
    transparency->addWidget(Label41);
    transparency->addWidget(Panel58);
    column->addLayout(transparency);
    showTransparency(TrackBar1->value());
}

void WindowOptionsGroup::showTransparency(int value) {
    const int grey = 255 - value;
    Panel57->setColor(RGB(grey, grey, grey));
}

} // namespace huebit
