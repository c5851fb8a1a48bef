#include "ui/indicator_wiring.h"

#include "core/color_model.h"
#include "core/component_editing.h"
#include "palettes/palette_picking.h"
#include "screen/screen_picker.h"
#include "ui/color_swatch.h"
#include "ui/component_editors.h"
#include "ui/refine_pages.h"
#include "ui/selection_page.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolButton>

#include <functional>
#include <map>
#include <set>

namespace huebit {

namespace {

// Sends the pointer's moves over watched widgets to the indicator, each with its own colour.
// A neutral area gives the window colour only where no child with a rule of its own (one that
// follows the pointer itself) lies under the pointer.
class PointerFollow : public QObject {
public:
    PointerFollow(PalettePicking& picking, QObject* parent) : QObject(parent), m_picking(picking) {}

    void watch(QWidget* w, std::function<Color()> colour) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
        m_colours[w] = std::move(colour);
    }
    void watchNeutral(QWidget* w) {
        watch(w, [] { return EmptySlotColor; });
        m_neutral.insert(w);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseMove) return false;
        auto* w = static_cast<QWidget*>(watched);
        if (m_neutral.count(w)) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            const QWidget* under = w->childAt(at);
            if (under && (under->hasMouseTracking() || m_colours.count(const_cast<QWidget*>(under))))
                return false;
        }
        m_picking.FollowPointer(m_colours.at(w)());
        return false;
    }

private:
    PalettePicking& m_picking;
    std::map<QWidget*, std::function<Color()>> m_colours;
    std::set<QWidget*> m_neutral;
};

} // namespace

void WireIndicatorFollow(SelectionPage& page, QWidget& bottomBar, const ColorModel& model,
                         ComponentEditing& editing, PalettePicking& picking,
                         ScreenPicker& screen) {
    auto* follow = new PointerFollow(picking, &page);
    ComponentEditors* e = page.editors;
    for (int i = 0; i < 3; ++i) {
        auto swatch = [&model, i] { return model.Swatches().swatch[i]; };
        follow->watch(e->decimalEdits[i], swatch);
        follow->watch(e->hexEdits[i], swatch);
        QObject::connect(e->swatches[i], &ColorSwatch::hovered, &picking,
                         [&picking, swatch] { picking.FollowPointer(swatch()); });
        QObject::connect(e->greys[i], &ColorSwatch::hovered, &picking, [&picking, &model, i] {
            picking.FollowPointer(model.Swatches().grey[i]);
        });
    }
    // The RGB bars show their component's swatch; the HSV bars leave the indicator alone.
    QObject::connect(&editing, &ComponentEditing::barHintChanged, &picking,
                     [&picking, &model](Bar bar, const QString&) {
                         if (IsRgbBar(bar)) picking.FollowPointer(model.Swatches().swatch[int(bar)]);
                     });
    // The sample follows through its own hover; the button beside the strips does the same.
    follow->watch(page.addToPaletteButton, [&model] { return model.TargetedSampleColor(); });
    follow->watchNeutral(&page);
    for (QTabWidget* tabs : {page.PageControl2, static_cast<QTabWidget*>(e)}) {
        follow->watchNeutral(tabs);
        for (int i = 0; i < tabs->count(); ++i) follow->watchNeutral(tabs->widget(i));
    }
    follow->watchNeutral(&bottomBar);
    // The screen page's views show the colour under the pointer whatever the hint setting.
    QObject::connect(&screen, &ScreenPicker::hovered, &picking,
                     [&picking](Color c) { picking.SetIndicatorColor(c); });
}

} // namespace huebit
