#include "ui/window_options_group.h"

#include "ui/color_swatch.h"
#include "ui/element_hint.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

namespace huebit {

namespace {

QCheckBox* makeOption(const char* name, const char* caption, QRect at, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    SetElementHint(box, QString(), box->text());
    box->setChecked(true);
    box->setGeometry(at);
    return box;
}

QRadioButton* makeChoice(const char* name, const char* caption, QRect at, QWidget* parent) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    SetElementHint(button, QString(), button->text());
    button->setGeometry(at);
    return button;
}

} // namespace

WindowOptionsGroup::WindowOptionsGroup(QWidget* parent)
    : QGroupBox(QStringLiteral(" Дополнительные опции "), parent) {
    setObjectName(QStringLiteral("GroupBox4"));
    constexpr int Left = 10;
    constexpr int Width = 356;
    constexpr int Row = 20;
    int y = 18;
    auto nextRow = [&y] { return (y += Row) - Row; };
    CheckBox1 = makeOption("CheckBox1", "Включить интерактивную подсказку",
                           {Left, nextRow(), Width, 18}, this);
    CheckBox7 = makeOption("CheckBox7", "Компоненты в подсказке", {Left, y, 200, 18}, this);
    RadioButton9 = makeChoice("RadioButton9", "RGB", {220, y, 60, 18}, this);
    RadioButton10 = makeChoice("RadioButton10", "HSV", {284, nextRow(), 60, 18}, this);
    RadioButton9->setChecked(true);
    auto* notation = new QButtonGroup(this);
    notation->addButton(RadioButton9);
    notation->addButton(RadioButton10);
    CheckBox2 =
        makeOption("CheckBox2", "Располагать поверх всех окон", {Left, nextRow(), Width, 18}, this);
    CheckBox3 = makeOption("CheckBox3", "Открываться на вкладке \"Экран\"",
                           {Left, nextRow(), Width, 18}, this);
    CheckBox5 = makeOption("CheckBox5", "Запускаться в режиме миниокна",
                           {Left, nextRow(), Width, 18}, this);
    CheckBox6 = makeOption("CheckBox6", "Обновлять образ экрана при развёртывании",
                           {Left, nextRow(), Width, 18}, this);
    CheckBox8 =
        makeOption("CheckBox8", "Использовать индикатор цвета", {Left, nextRow(), Width, 18}, this);

    y += 6;
    Label40 = new QLabel(QStringLiteral("видимо"), this);
    Label40->setObjectName(QStringLiteral("Label40"));
    Label40->setGeometry(Left, y + 3, 52, 16);
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    SetElementHint(TrackBar1, QStringLiteral("Прозрачность миниокна"));
    TrackBar1->setRange(0, 255);
    TrackBar1->setPageStep(16);
    TrackBar1->setValue(128);
    TrackBar1->setGeometry(Left + 54, y, 198, 22);
    Label41 = new QLabel(QStringLiteral("прозрачно"), this);
    Label41->setObjectName(QStringLiteral("Label41"));
    Label41->setGeometry(Left + 256, y + 3, 70, 16);
    Panel58 = new QWidget(this);
    Panel58->setObjectName(QStringLiteral("Panel58"));
    Panel58->setAutoFillBackground(true);
    QPalette black = Panel58->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel58->setPalette(black);
    Panel58->setGeometry(Left + 330, y + 1, 20, 20);
    Panel57 = new ColorSwatch(QStringLiteral("Panel57"), QStringLiteral("Прозрачность миниокна"),
                              Panel58);
    Panel57->setGeometry(2, 2, 16, 16);
    showTransparency(TrackBar1->value());
    setFixedHeight(y + 32);
}

void WindowOptionsGroup::showTransparency(int value) {
    const int grey = 255 - value;
    Panel57->setColor(RGB(grey, grey, grey));
}

} // namespace huebit
