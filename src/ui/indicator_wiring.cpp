#include "ui/indicator_wiring.h"

#include "core/color_model.h"
#include "core/component_editing.h"
#include "output/status_hints.h"
#include "palettes/palette_picking.h"
#include "screen/screen_picker.h"
#include "ui/color_swatch.h"
#include "ui/selection_page.h"

#include <QEvent>
#include <QMouseEvent>

#include <map>

namespace huebit {

namespace {

// Sends the pointer's moves over the elements that have an indicator rule to the indicator.
// A neutral area (the window colour) counts only where no element with a rule of its own lies
// under the pointer: a palette, bar or swatch follows the pointer itself.
class PointerFollow : public QObject {
public:
    PointerFollow(const ColorModel& model, PalettePicking& picking, QObject* parent)
        : QObject(parent), m_model(model), m_picking(picking) {}

    void watch(QWidget* w, IndicatorFollow rule) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
        m_rules[w] = rule;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseMove) return false;
        auto* w = static_cast<QWidget*>(watched);
        const IndicatorFollow rule = m_rules.at(w);
        if (rule == IndicatorFollow::WindowColor) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            const QWidget* under = w->childAt(at);
            if (under && (under->hasMouseTracking() || m_rules.count(const_cast<QWidget*>(under))))
                return false;
        }
        const auto* swatch = qobject_cast<const ColorSwatch*>(w);
        m_picking.FollowPointer(
            IndicatorFollowColor(rule, m_model, swatch ? swatch->color() : EmptySlotColor));
        return false;
    }

private:
    const ColorModel& m_model;
    PalettePicking& m_picking;
    std::map<QWidget*, IndicatorFollow> m_rules;
};

} // namespace

void WireIndicatorFollow(SelectionPage& page, QWidget& bottomBar, const ColorModel& model,
                         ComponentEditing& editing, PalettePicking& picking, ScreenPicker& screen) {
    auto* follow = new PointerFollow(model, picking, &page);
    QList<QWidget*> elements = page.findChildren<QWidget*>();
    elements << &page << &bottomBar;
    for (QWidget* w : elements) {
        if (const auto rule = IndicatorFollowFor(w->objectName())) follow->watch(w, *rule);
    }
    // The RGB bars show their component's swatch; the HSV bars leave the indicator alone.
    QObject::connect(&editing, &ComponentEditing::barHintChanged, &picking,
                     [&picking, &model](Bar bar, const QString&) {
                         if (IsRgbBar(bar))
                             picking.FollowPointer(model.Swatches().swatch[int(bar)]);
                     });
    // The screen page's views show the colour under the pointer whatever the hint setting.
    QObject::connect(&screen, &ScreenPicker::hovered, &picking,
                     [&picking](Color c) { picking.SetIndicatorColor(c); });
}

} // namespace huebit
