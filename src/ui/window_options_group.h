#pragma once
// The group " Дополнительные опции " of the settings sub-page "Окно": the hint, stay-on-top,
// start-up and indicator options and the mini-window's transparency with its preview.

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace huebit {

class ColorSwatch;

class WindowOptionsGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit WindowOptionsGroup(QWidget* parent);

    /// The preview swatch: grey 255 - v, so it looks as light as the mini-window is opaque.
    void showTransparency(int value);

    QCheckBox* CheckBox1 = nullptr; // "Включить интерактивную подсказку"
    QCheckBox* CheckBox7 = nullptr;        // "Компоненты в подсказке"
    QRadioButton* RadioButton9 = nullptr;  // "RGB"
    QRadioButton* RadioButton10 = nullptr; // "HSV"
    QCheckBox* CheckBox9 = nullptr; // "Располагать поверх всех окон"
    QCheckBox* CheckBox3 = nullptr; // "Открываться на вкладке "Экран""
    QCheckBox* CheckBox5 = nullptr; // "Запускаться в режиме миниокна"
    QCheckBox* CheckBox8 = nullptr; // "Обновлять образ экрана при развёртывании"
    QCheckBox* CheckBox6 = nullptr; // "Использовать индикатор цвета"
    QLabel* Label40 = nullptr;      // "видимо"
    QSlider* TrackBar1 = nullptr;   // transparency 0-255
    QLabel* Label41 = nullptr;      // "прозрачно"
    QWidget* Panel58 = nullptr;     // the preview's black frame
    ColorSwatch* Panel57 = nullptr; // the preview
};

} // namespace huebit
