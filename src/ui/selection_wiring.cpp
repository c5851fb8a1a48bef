#include "ui/selection_wiring.h"

#include "core/component_editing.h"
#include "ui/color_swatch.h"
#include "ui/component_bar.h"
#include "ui/component_editors.h"
#include "ui/lazy_page.h"
#include "ui/press_button.h"
#include "ui/selection_page.h"
#include "ui/text_line.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>

namespace huebit {

namespace {

void wireBar(ComponentBar* widget, Bar bar, ComponentEditing& editing) {
    QObject::connect(widget, &ComponentBar::pointerDown, &editing,
                     [&editing, bar](int x, Qt::MouseButton b) { editing.BarDown(bar, x, b); });
    QObject::connect(widget, &ComponentBar::pointerMoved, &editing,
                     [&editing, bar](int x, Qt::MouseButtons b, Qt::KeyboardModifiers m) {
                         editing.BarMove(bar, x, b, m);
                     });
    QObject::connect(widget, &ComponentBar::pointerUp, &editing,
                     [&editing, bar](int x, Qt::MouseButton b) { editing.BarUp(bar, x, b); });
    QObject::connect(&editing, &ComponentEditing::barHintChanged, widget,
                     [widget, bar](Bar changed, const QString& hint) {
                         if (changed == bar) widget->setStatusTip(hint);
                     });
    const auto name = [widget, bar, &editing] {
        widget->setStatusTip(editing.BarName(bar));
        widget->setAccessibleName(editing.BarName(bar));
    };
    name();
    QObject::connect(widget, &ComponentBar::languageChanged, &editing, name);
}

void wireField(QLineEdit* edit, ComponentField field, ComponentEditing& editing,
               void (ComponentEditing::*enter)()) {
    QObject::connect(edit, &QLineEdit::textEdited, &editing,
                     [&editing, field](const QString& t) { editing.FieldEdited(field, t); });
    QObject::connect(edit, &QLineEdit::returnPressed, &editing, [&editing, enter] {
        (editing.*enter)();
    });
}

// Each page's controls are wired when the page makes them.
void wireEditors(ComponentEditors& e, ComponentEditing& editing) {
    const Bar bars[] = {Bar::Red, Bar::Green, Bar::Blue, Bar::Hue, Bar::Sat, Bar::Val};
    const auto wireEnds = [&e, &editing, bars](int first) {
        for (int i = first; i < first + 3; ++i) {
            const Bar bar = bars[i];
            wireBar(i < 3 ? e.rgbBars[i] : e.hsvBars[i - 3], bar, editing);
            QObject::connect(e.minButtons[i], &PressButton::pushed, &editing,
                             [&editing, bar] { editing.BarMinimum(bar); });
            QObject::connect(e.maxButtons[i], &PressButton::pushed, &editing,
                             [&editing, bar] { editing.BarMaximum(bar); });
        }
    };
    e.rgbPage->whenMade([&e, &editing, wireEnds] {
        wireEnds(0);
        for (int i = 0; i < 3; ++i) {
            wireField(e.decimalEdits[i], DecimalFields[i], editing, &ComponentEditing::EnterDecimal);
            wireField(e.hexEdits[i], HexFields[i], editing, &ComponentEditing::EnterHex);
            QObject::connect(e.swatches[i], &ColorSwatch::pressed, &editing,
                             [&editing, i](Qt::MouseButton b) { editing.SwatchDown(i, b); });
            QObject::connect(e.greys[i], &ColorSwatch::pressed, &editing,
                             [&editing, i](Qt::MouseButton b) { editing.GreyDown(i, b); });
        }
    });
    e.hsvPage->whenMade([&e, &editing, wireEnds] {
        wireEnds(3);
        for (int i = 0; i < 3; ++i)
            wireField(e.hsvEdits[i], HsvFields[i], editing, &ComponentEditing::ApplyHsvEdits);
    });
}

// The labels "Ф" and "Т" select their targets; "Т" only while the text switch is enabled.
class LabelClick : public QObject {
public:
    LabelClick(QLabel* label, std::function<void()> action)
        : QObject(label), m_action(std::move(action)) {
        label->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_action();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

void wireTargets(SelectionPage& page, ColorModel& model) {
    // Selecting runs only when a switch becomes selected; the model ignores a repeat.
    QObject::connect(page.RadioButton1, &QRadioButton::clicked, &model,
                     [&model] { model.SelectBackgroundTarget(); });
    QObject::connect(page.RadioButton2, &QRadioButton::clicked, &model,
                     [&model] { model.SelectTextTarget(); });
    new LabelClick(page.backgroundLabel, [&model] { model.SelectBackgroundTarget(); });
    new LabelClick(page.textLabel, [&model] {
        if (model.SampleState().textSwitchEnabled) model.SelectTextTarget();
    });
}

void wireTextLine(SelectionPage& page, ColorModel& model, ComponentEditing& editing) {
    QObject::connect(page.ComboBox1, &QComboBox::currentIndexChanged, &model, [&model](int i) {
        if (i >= 0) model.SelectTemplate(i);
    });
    // Choosing the entry the index already points at (after typing) must select it as well.
    QObject::connect(page.ComboBox1, &QComboBox::activated, &model, [&model](int i) {
        if (i >= 0) model.SelectTemplate(i);
    });
    QObject::connect(page.ComboBox1, &QComboBox::editTextChanged, &model,
                     [&model](const QString& text) { model.SetActiveTemplateText(text); });
    TextLine* line = page.Edit1;
    QObject::connect(line, &TextLine::focusEntered, &model, [&model] { model.RenderColorText(true); });
    QObject::connect(line, &TextLine::focusLeft, &model, [&model] { model.RenderColorText(false); });
    QObject::connect(line, &QLineEdit::returnPressed, &editing,
                     [&editing, line] { editing.EnterTypedColor(line->text()); });
}

} // namespace

void WireSelectionPage(SelectionPage& page, ColorModel& model, ComponentEditing& editing) {
    wireEditors(*page.editors, editing);
    wireTargets(page, model);
    wireTextLine(page, model, editing);
    page.refreshTemplates();
}

} // namespace huebit
