#include "ui/screen_wiring.h"

#include "output/clipboard_export.h"
#include "screen/screen_picker.h"
#include "ui/color_swatch.h"
#include "ui/image_view.h"
#include "ui/screen_page.h"

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

void repaint(ScreenPage& page, const ScreenPicker& picker, unsigned what) {
    if (what & ChangedOverview) {
        page.placeOverview(picker.OverviewRect());
        page.Image14->setImage(picker.Overview());
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
    QObject::connect(&picker, &ScreenPicker::changed, &page,
                     [&page, &picker](unsigned what) { repaint(page, picker, what); });
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
    repaint(page, picker, ~0u & ~(ChangedHover | ChangedPicked));
}

} // namespace huebit
