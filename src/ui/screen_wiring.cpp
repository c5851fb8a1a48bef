#include "ui/screen_wiring.h"

#include "output/clipboard_export.h"
#include "screen/screen_picker.h"
#include "ui/color_swatch.h"
#include "ui/image_view.h"
#include "ui/screen_page.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace huebit {

namespace {

void showReadout(ColorSwatch* swatch, const std::array<QLabel*, 3>& labels, Color c) {
    swatch->setColor(c);
    const int parts[] = {GetRValue(c), GetGValue(c), GetBValue(c)};
    const char* names[] = {"R= ", "G= ", "B= "};
    for (int i = 0; i < 3; ++i) {
        labels[i]->setText(QLatin1String(names[i]) + QString::number(parts[i]));
        labels[i]->adjustSize();
    }
}

// The overview goes into its view while the page shows; a copy taken while the page is hidden
// (the start's, one made from the mini-window) is reduced when the page next shows, so a start
// that never opens the page never reads the copy.
class OverviewView : public QObject {
public:
    OverviewView(ScreenPage& page, const ScreenPicker& picker)
        : QObject(&page), m_page(page), m_picker(picker) {
        page.installEventFilter(this);
    }
    void changed() {
        m_stale = true;
        if (m_page.isVisible()) show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && m_stale) show();
        return QObject::eventFilter(watched, event);
    }

private:
    void show() {
        m_stale = false;
        m_page.Image14->setImage(m_picker.Overview());
    }
    ScreenPage& m_page;
    const ScreenPicker& m_picker;
    bool m_stale = false;
};

void repaint(ScreenPage& page, OverviewView& overview, const ScreenPicker& picker, unsigned what) {
    if (what & ChangedOverview) {
        page.placeOverview(picker.OverviewRect());
        overview.changed();
    }
    if (what & ChangedViews) {
        page.Image16->setImage(picker.MediumView());
        page.Image15->setImage(picker.LargeView());
    }
    if (what & ChangedHover) showReadout(page.Panel61, page.hoverLabels, picker.HoverColor());
    if (what & ChangedPicked) showReadout(page.Panel62, page.pickedLabels, picker.PickedScreenColor());
}

void wireViews(ScreenPage& page, ScreenPicker& p) {
    QObject::connect(page.Image14, &ImageView::pressed, &p,
                     [&p](Qt::MouseButton b, int x, int y) { p.OverviewPressed(b, x, y); });
    QObject::connect(page.Image14, &ImageView::moved, &p,
                     [&p](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
                         p.OverviewMoved(b, m, x, y);
                     });
    QObject::connect(page.Image16, &ImageView::pressed, &p,
                     [&p](Qt::MouseButton, int x, int y) { p.MediumPressed(x, y); });
    QObject::connect(page.Image16, &ImageView::moved, &p,
                     [&p](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
                         p.MediumMoved(b, m, x, y);
                     });
    QObject::connect(page.Image15, &ImageView::pressed, &p,
                     [&p](Qt::MouseButton, int x, int y) { p.LargePressed(x, y); });
    QObject::connect(page.Image15, &ImageView::moved, &p,
                     [&p](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
                         p.LargeMoved(b, m, x, y);
                     });
    const ArrowDirection directions[] = {ArrowDirection::Left, ArrowDirection::Up,
                                         ArrowDirection::Right, ArrowDirection::Down};
    for (int i = 0; i < 4; ++i) {
        QObject::connect(page.arrows[i], &QToolButton::clicked, &p,
                         [&p, d = directions[i]] { p.Arrow(d); });
    }
    QObject::connect(page.SpinEdit1, &QSpinBox::valueChanged, &p, [&p](int v) { p.SetStep(v); });
    QObject::connect(page.SpinEdit2, &QSpinBox::valueChanged, &p, [&p](int v) { p.SetDiameter(v); });
}

} // namespace

void WireScreenPage(const ScreenWiring& w) {
    ScreenPage& page = w.page;
    ScreenPicker& picker = w.picker;
    auto* overview = new OverviewView(page, picker);
    QObject::connect(&picker, &ScreenPicker::changed, &page, [&page, overview, &picker](unsigned what) {
        repaint(page, *overview, picker, what);
    });
    wireViews(page, picker);
    QObject::connect(page.refreshButton, &QPushButton::clicked, &page, w.capture);
    QObject::connect(page.applyButton, &QPushButton::clicked, &page, w.apply);
    QObject::connect(page.saveButton, &QToolButton::clicked, &page, w.save);
    ClipboardExport& e = w.exporter;
    QObject::connect(page.copyButtons[0], &QToolButton::clicked, &page,
                     [&e, &picker] { e.CopyPickedText(picker.PickedScreenColor()); });
    QObject::connect(page.copyButtons[1], &QToolButton::clicked, &page,
                     [&e, &picker] { e.CopyPickedBitmap(picker.PickedScreenColor()); });
    QObject::connect(page.copyButtons[2], &QToolButton::clicked, &page,
                     [&e, &picker] { e.CopyPickedMetafile(picker.PickedScreenColor()); });
    // The readouts keep reading "R=", "G=", "B=" until the first hover or pick.
    repaint(page, *overview, picker, ~0u & ~(ChangedHover | ChangedPicked));
}

} // namespace huebit
