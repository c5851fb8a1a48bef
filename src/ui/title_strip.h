#pragma once
// The window's own title strip: background picture, program name, icon, the hide, hover,
// shrink and close controls, and the hidden mini-window face. Bare points of the strip are left
// to the window, so pressing there drags it.

#include <QWidget>

class QCheckBox;
class QLabel;

namespace huebit {

class ImageButton;

class TitleStrip : public QWidget {
    Q_OBJECT
public:
    explicit TitleStrip(QWidget* parent);

    /// Spans a client area `width` wide, the icons at its right end (the layout's is 404).
    void setClientWidth(int width);

    QLabel* Image8 = nullptr;       // title picture
    QLabel* Image20 = nullptr;      // program-name picture
    QLabel* iconPlate = nullptr;    // the 16 x 16 plate under the program icon
    ImageButton* Image7 = nullptr;  // program icon
    ImageButton* Image11 = nullptr; // hide
    QCheckBox* CheckBox4 = nullptr; // open on hover
    ImageButton* Image12 = nullptr; // shrink
    ImageButton* Image10 = nullptr; // close
    QLabel* Image9 = nullptr;       // mini-window face, shown only in the mini-window
};

} // namespace huebit
