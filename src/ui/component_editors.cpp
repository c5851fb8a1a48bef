#include "ui/component_editors.h"

#include "ui/color_swatch.h"
#include "ui/component_bar.h"
#include "ui/element_hint.h"
#include "ui/lazy_page.h"
#include "ui/press_button.h"
#include "ui/text_line.h"

#include <QLineEdit>

namespace huebit {

namespace {

PressButton* makeEndButton(const QString& name, bool maximum, QWidget* parent) {
    auto* b = new PressButton(parent);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setArrowType(maximum ? Qt::RightArrow : Qt::LeftArrow);
    SetElementHint(b, maximum ? QStringLiteral("Максимизировать значение")
                              : QStringLiteral("Минимизировать значение"));
    b->resize(14, 16);
    return b;
}

QLineEdit* makeField(const QString& name, const QString& hint, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    SetElementHint(e, hint);
    e->setAlignment(Qt::AlignCenter);
    LiftLengthLimit(e);
    return e;
}

void setTextIfChanged(QLineEdit* e, const QString& text) {
    if (e->text() != text) e->setText(text);
}

constexpr int RowTop[3] = {8, 34, 60};
// The captioned controls each page brings: its six end buttons and the bars' troughs and fills,
// and on the RGB page the swatches and greys.
constexpr int RgbCaptionCount = 18;
constexpr int HsvCaptionCount = 12;

} // namespace

ComponentEditors::ComponentEditors(const ColorModel& model, QWidget* parent)
    : QTabWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("PageControl3"));
    rgbPage = new LazyPage(RgbCaptionCount, [this](LazyPage& page) { buildRgbPage(&page); });
    rgbPage->setObjectName(QStringLiteral("TabSheetRgb"));
    hsvPage = new LazyPage(HsvCaptionCount, [this](LazyPage& page) { buildHsvPage(&page); });
    hsvPage->setObjectName(QStringLiteral("TabSheetHsv"));
    rgbPage->AddTo(*this, QStringLiteral("RGB"));
    addTab(hsvPage, QStringLiteral("HSV"));
    // The editors' page control and its pages keep their designed fonts.
    SetElementTag(this, -100);
    for (int i = 0; i < count(); ++i) SetElementTag(widget(i), -100);
    for (LazyPage* page : {rgbPage, hsvPage})
        page->whenMade([this] { refresh(~0u); });
}

void ComponentEditors::buildRgbPage(QWidget* page) {
    const char* troughs[] = {"Panel34", "Panel39", "Panel41"};
    const char* fills[] = {"Panel35", "Panel40", "Panel42"};
    const Color fillColors[] = {RGB(230, 60, 60), RGB(40, 180, 70), RGB(60, 90, 230)};
    const char* swatchNames[] = {"RPanel", "GPanel", "BPanel"};
    const char* swatchHints[] = {"Красная компонента в базисе RGB", "Зелёная компонента в базисе RGB",
                                 "Синяя компонента в базисе RGB"};
    const char* greyNames[] = {"Panel36", "Panel37", "Panel38"};
    const char* greyHints[] = {"Выставить по красной компоненте", "Выставить по зелёной компоненте",
                               "Выставить по синей компоненте"};
    const char* decNames[] = {"RdEdit", "GdEdit", "BdEdit"};
    const char* hexNames[] = {"RhEdit", "GhEdit", "BhEdit"};
    const char* minNames[] = {"RedMinButton", "GreenMinButton", "BlueMinButton"};
    const char* maxNames[] = {"RedMaxButton", "GreenMaxButton", "BlueMaxButton"};
    for (int i = 0; i < 3; ++i) {
        const int y = RowTop[i];
        swatches[i] = new ColorSwatch(swatchNames[i], QString::fromUtf8(swatchHints[i]), page);
        swatches[i]->setGeometry(4, y, 16, 16);
        greys[i] = new ColorSwatch(greyNames[i], QString::fromUtf8(greyHints[i]), page);
        greys[i]->setGeometry(22, y, 16, 16);
        minButtons[i] = makeEndButton(minNames[i], false, page);
        minButtons[i]->move(42, y);
        rgbBars[i] = new ComponentBar(troughs[i], fills[i], RgbBarWidth, fillColors[i], page);
        rgbBars[i]->move(57, y + 2);
        maxButtons[i] = makeEndButton(maxNames[i], true, page);
        maxButtons[i]->move(248, y);
        decimalEdits[i] = makeField(decNames[i], QStringLiteral("Десятиричное значение"), page);
        decimalEdits[i]->setGeometry(266, y - 1, 46, 19);
        hexEdits[i] = makeField(hexNames[i], QStringLiteral("Шестнадцатиричное значение"), page);
        hexEdits[i]->setGeometry(316, y - 1, 40, 19);
    }
}

void ComponentEditors::buildHsvPage(QWidget* page) {
    const char* troughs[] = {"Panel49", "Panel51", "Panel53"};
    const char* fills[] = {"Panel50", "Panel52", "Panel54"};
    const Color fillColors[] = {RGB(200, 120, 220), RGB(120, 140, 230), RGB(150, 150, 170)};
    const char* editNames[] = {"Edit3", "Edit5", "Edit7"};
    const char* minNames[] = {"HueMinButton", "SatMinButton", "ValMinButton"};
    const char* maxNames[] = {"HueMaxButton", "SatMaxButton", "ValMaxButton"};
    for (int i = 0; i < 3; ++i) {
        const int y = RowTop[i];
        minButtons[3 + i] = makeEndButton(minNames[i], false, page);
        minButtons[3 + i]->move(6, y);
        hsvBars[i] = new ComponentBar(troughs[i], fills[i], HsvBarWidth, fillColors[i], page);
        hsvBars[i]->move(21, y + 2);
        maxButtons[3 + i] = makeEndButton(maxNames[i], true, page);
        maxButtons[3 + i]->move(265, y);
        hsvEdits[i] = makeField(editNames[i], QStringLiteral("Десятиричное значение"), page);
        hsvEdits[i]->setGeometry(284, y - 1, 46, 19);
    }
}

void ComponentEditors::refresh(unsigned what) {
    const ComponentBars& bars = m_model.Bars();
    const bool rgb = rgbPage->made();
    const bool hsv = hsvPage->made();
    if (rgb && (what & ChangedBars)) {
        rgbBars[0]->setFill(bars.red);
        rgbBars[1]->setFill(bars.green);
        rgbBars[2]->setFill(bars.blue);
    }
    if (hsv && (what & ChangedHsvBars)) {
        hsvBars[0]->setFill(bars.hue);
        hsvBars[1]->setFill(bars.sat);
        hsvBars[2]->setFill(bars.val);
    }
    if (what & ChangedComponentTexts) {
        const ComponentTexts& t = m_model.Texts();
        for (int i = 0; i < 3; ++i) {
            if (rgb) setTextIfChanged(decimalEdits[i], t[DecimalFields[i]]);
            if (rgb) setTextIfChanged(hexEdits[i], t[HexFields[i]]);
            if (hsv) setTextIfChanged(hsvEdits[i], t[HsvFields[i]]);
        }
    }
    if (rgb && (what & ChangedSwatches)) {
        for (int i = 0; i < 3; ++i) {
            swatches[i]->setColor(m_model.Swatches().swatch[i]);
            greys[i]->setColor(m_model.Swatches().grey[i]);
        }
    }
}

} // namespace huebit
