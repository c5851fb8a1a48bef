#include "ui/title_strip.h"

#include "ui/decoration.h"
#include "ui/element_hint.h"
#include "ui/huebit_style.h"
#include "ui/image_button.h"

#include <QCheckBox>
#include <QLabel>

namespace huebit {

namespace {

// A picture label; `picture` names its decoration, or is null for a bare plate.
QLabel* makePicture(const QString& name, const char* picture, QSize size, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    if (picture) ShowDecoration(l, picture, size);
    MarkAsPicture(l);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

} // namespace

TitleStrip::TitleStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TitleStrip"));
    setGeometry(0, 0, 405, 26);
    Image8 = makePicture(QStringLiteral("Image8"), "title.jpg", QSize(405, 26), this);
    Image8->setGeometry(0, 0, 405, 26);
    Image20 = makePicture(QStringLiteral("Image20"), "name.png", QSize(), this);
    Image20->setGeometry(32, 7, 60, 8);
    iconPlate = makePicture(QStringLiteral("IconPlate"), nullptr, QSize(), this);
    MarkAsPanel(iconPlate);
    iconPlate->setGeometry(9, 3, 16, 16);
    Image7 =
        new ImageButton(QStringLiteral("Image7"), QStringLiteral("Huebit"), "icon16.png", this);
    Image7->setGeometry(9, 3, 16, 16);
    Image7->setCursor(Qt::ArrowCursor);
    Image11 =
        new ImageButton(QStringLiteral("Image11"), QStringLiteral("Свернуть"), "hide.png", this);
    Image11->setGeometry(332, 4, 14, 14);
    CheckBox4 = new QCheckBox(this);
    CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
    SetElementHint(CheckBox4, QStringLiteral("Открывать при наведении"));
    CheckBox4->setChecked(true);
    CheckBox4->setFocusPolicy(Qt::StrongFocus);
    CheckBox4->setGeometry(352, 4, 11, 11);
    SetSmallIndicator(CheckBox4);
    Image12 =
        new ImageButton(QStringLiteral("Image12"), QStringLiteral("Уменьшить"), "shrink.png", this);
    Image12->setGeometry(365, 4, 14, 14);
    Image10 =
        new ImageButton(QStringLiteral("Image10"), QStringLiteral("Закрыть"), "close.png", this);
    Image10->setGeometry(385, 4, 14, 14);
    Image9 = makePicture(QStringLiteral("Image9"), "mini.jpg", QSize(34, 23), this);
    Image9->setGeometry(0, 0, 34, 23);
    Image9->hide();
}

void TitleStrip::setClientWidth(int width) {
    const int shift = width - 404;
    setGeometry(0, 0, 405 + shift, 26);
    Image8->setScaledContents(shift > 0);
    Image8->setGeometry(0, 0, 405 + shift, 26);
    Image11->move(332 + shift, 4);
    CheckBox4->move(352 + shift, 4);
    Image12->move(365 + shift, 4);
    Image10->move(385 + shift, 4);
}

} // namespace huebit
