#include "ui/palette_wiring.h"

#include "palettes/named_color_picking.h"
#include "palettes/swatch_picking.h"
#include "ui/color_swatch.h"
#include "ui/component_editors.h"
#include "ui/extra_text_binding.h"
#include "ui/pixel_buffer_view.h"
#include "ui/refine_pages.h"
#include "ui/selection_page.h"
#include "ui/web_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

namespace huebit {

namespace {

void wireElement(ImageView* view, PaletteId id, PalettePicking& picking) {
    QObject::connect(view, &PixelBufferView::pressed, &picking,
                     [&picking, id](Qt::MouseButton b, int x, int y) { picking.Press(id, b, x, y); });
    QObject::connect(view, &PixelBufferView::moved, &picking,
                     [&picking, id](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
                         picking.Move(id, b, m, x, y);
                     });
    QObject::connect(view, &PixelBufferView::released, &picking,
                     [&picking, id](Qt::MouseButton b, int x, int y) {
                         picking.Release(id, b, x, y);
                     });
}

void registerElements(const PaletteWiring& w, const PaletteImages& images) {
    PalettePicking& p = w.palettes;
    const ColorModel& m = w.model;
    p.AddElement(PaletteId::Tile, images.tile, {256, 127}, 7, coDrag, coDrag);
    p.AddElement(PaletteId::Ring, images.ring, {128, 128}, 9, coDrag, coNormal);
    p.AddElement(PaletteId::Flow, images.flow, {120, 128}, 10, coDrag, coNormal);
    p.AddElement(PaletteId::Grey, images.grey, {10, 128}, 8, coDrag, coNormal);
    p.AddElement(PaletteId::Refine, m.RefinePalette(), {64, 128}, 6, coRefineDrag, coRefinePick);
    p.AddElement(PaletteId::Saturation, m.SaturationStrip(), {10, 128}, 16, coRefineDrag,
                 coRefinePick);
    p.AddElement(PaletteId::Gradient, m.Gradient().strip, {41, 127}, 24, coGradientDrag,
                 coGradientPick);
    // The grid's press and release select a line instead (wireNamedColors); its drag and readout
    // are the common ones.
    p.AddElement(PaletteId::NamedGrid, w.namedColors.Grid(), {NamedGridWidth, NamedGridHeight}, 11,
                 coDrag, coNormal);
}

void wireStrip(PixelBufferView* view, StripId id, SwatchPicking& swatches) {
    QObject::connect(view, &PixelBufferView::pressed, &swatches,
                     [&swatches, id](Qt::MouseButton b, int x, int y) {
                         swatches.StripPressed(id, b, x, y);
                     });
    QObject::connect(view, &PixelBufferView::moved, &swatches,
                     [&swatches, id](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                         swatches.StripHovered(id, x, y);
                     });
}

void wireMatching(RefinePages& r, SwatchPicking& swatches) {
    const std::pair<ColorSwatch*, MatchingSwatch> all[] = {
        {r.Panel15, MatchingSwatch::Main},
        {r.Panel12, MatchingSwatch::Complement},
        {r.Panel13, MatchingSwatch::MainPlusGrey},
        {r.Panel17, MatchingSwatch::ComplementPlusGrey},
        {r.Panel16, MatchingSwatch::Frame},
    };
    for (auto [view, which] : all) {
        QObject::connect(view, &ColorSwatch::pressed, &swatches,
                         [&swatches, which](Qt::MouseButton b) { swatches.MatchingPressed(which, b); });
        QObject::connect(view, &ColorSwatch::hovered, &swatches,
                         [&swatches, which] { swatches.MatchingHovered(which); });
    }
}

void wireMarkers(RefinePages& r, PalettePicking& picking) {
    ColorSwatch* markers[] = {r.Panel18, r.Panel20, r.Panel19, r.Panel21};
    for (int i = 0; i < 4; ++i) {
        QObject::connect(markers[i], &ColorSwatch::hovered, &picking,
                         [&picking, i] { picking.MarkerHovered(i); });
    }
    QObject::connect(r.Panel21, &ColorSwatch::pressed, &picking,
                     [&picking](Qt::MouseButton) { picking.GreyMarkerPressed(); });
}

// The readout is the view's hint; the status line takes it as the pointer's hint, so only while
// the interactive hint is on.
void showReadoutAsHint(ImageView* view, PaletteId id, PalettePicking& picking) {
    QObject::connect(&picking, &PalettePicking::statusTextChanged, view,
                     [view, id](PaletteId changed, const QString& text) {
                         if (changed == id) view->setStatusTip(text);
                     });
}

// The grid's press and release select a line; its drag and readout are the common ones.
void wireNamedColors(WebPage& web, NamedColorPicking& named, PalettePicking& picking) {
    ImageView* grid = web.aPalImage4;
    showReadoutAsHint(grid, PaletteId::NamedGrid, picking);
    QObject::connect(grid, &ImageView::pressed, &named,
                     [&named](Qt::MouseButton b, int x, int y) { named.GridPress(b, x, y); });
    QObject::connect(grid, &ImageView::moved, &picking,
                     [&picking](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
                         picking.Move(PaletteId::NamedGrid, b, m, x, y);
                     });
    QObject::connect(grid, &ImageView::released, &named,
                     [&named](Qt::MouseButton b, int x, int y) { named.GridRelease(b, x, y); });
    // Only the user's choice of a line applies it; refreshes are blocked.
    QObject::connect(web.namedColorBox, &QComboBox::activated, &named,
                     [&named](int index) { named.SelectLine(index); });
    const NamedColorOrder orders[] = {NamedColorOrder::ByColor, NamedColorOrder::ByEnglishName,
                                      NamedColorOrder::ByRussianName};
    for (int i = 0; i < 3; ++i) {
        QObject::connect(web.orderButtons[std::size_t(i)], &QToolButton::toggled, &named,
                         [&named, order = orders[i]](bool on) {
                             if (on) named.ChooseOrder(order);
                         });
    }
    QObject::connect(web.copyNameButton, &QToolButton::clicked, &named,
                     [&named] { named.CopyColorName(); });
    QObject::connect(&named, &NamedColorPicking::changed, &web,
                     [&web, &named] { web.refresh(named); });
    web.refresh(named);
}

void wireGradient(RefinePages& r, ColorModel& model) {
    QObject::connect(r.gradientStartButton, &QToolButton::clicked, &model,
                     [&model] { model.SetGradientStartFromBars(); });
    QObject::connect(r.gradientEndButton, &QToolButton::clicked, &model,
                     [&model] { model.SetGradientEndFromBars(); });
    QObject::connect(r.CheckBox2, &QCheckBox::toggled, &model,
                     [&model](bool on) { model.SetGradientAutoSubstitution(on); });
}

QMenu* userPaletteMenu(SelectionPage& page, ColorModel& model) {
    auto* menu = new QMenu(&page);
    menu->setObjectName(QStringLiteral("PopupMenu2"));
    BoundAction(menu->addAction(QStringLiteral("Добавить цвет"), &model,
                                [&model] { model.AddToUserPalette(); }));
    menu->addSeparator();
    BoundAction(menu->addAction(QStringLiteral("Очистить палитру"), &model,
                                [&model] { model.ClearUserPalette(); }));
    return menu;
}

QMenu* wirePaletteMenu(SelectionPage& page, ColorModel& model) {
    QMenu* menu = userPaletteMenu(page, model);
    QToolButton* add = page.addToPaletteButton;
    QObject::connect(add, &QToolButton::clicked, &model, [&model] { model.AddToUserPalette(); });
    add->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(add, &QWidget::customContextMenuRequested, menu,
                     [menu, add](QPoint at) { menu->popup(add->mapToGlobal(at)); });
    // The menu button opens the menu at a fixed place of the window.
    QObject::connect(page.SpeedButton37, &QToolButton::clicked, menu, [menu, &page] {
        const QWidget* window = page.window();
        menu->popup(window->geometry().topLeft() + QPoint(370, 305));
    });
    return menu;
}

void wirePageSets(const PaletteWiring& w) {
    SelectionPage& page = w.page;
    PalettePicking& picking = w.palettes;
    QTabWidget* palettes = page.PageControl2;
    QObject::connect(palettes, &QTabWidget::currentChanged, &picking,
                     [palettes, &picking, dialog = w.colorDialog](int index) {
                         const int show = picking.PalettePageChanged(index, dialog());
                         if (show == index) return;
                         const QSignalBlocker blocker(palettes);
                         palettes->setCurrentIndex(show);
                     });
    QObject::connect(page.refinePages, &QTabWidget::currentChanged, &picking,
                     [&picking](int index) { picking.RefinePageChanged(index); });
    QObject::connect(page.editors, &QTabWidget::currentChanged, &picking,
                     [&picking](int index) { picking.EditorPageChanged(index); });
}

} // namespace

QMenu* WirePalettes(const PaletteWiring& w) {
    SelectionPage& page = w.page;
    registerElements(w, page.images());
    RefinePages& r = *page.refinePages;
    const std::pair<ImageView*, PaletteId> views[] = {
        {page.aPalImage1, PaletteId::Tile}, {page.aPalImage2, PaletteId::Ring},
        {page.cPalImage2, PaletteId::Flow}, {r.cPalImage1, PaletteId::Grey},
        {r.bPalImage2, PaletteId::Refine},  {r.Image6, PaletteId::Saturation},
        {r.Image3, PaletteId::Gradient},
    };
    for (auto [view, id] : views) {
        wireElement(view, id, w.palettes);
        showReadoutAsHint(view, id, w.palettes);
    }
    wireStrip(page.Image1, StripId::UserPalette, w.swatches);
    wireStrip(page.Image2, StripId::PreviousColors, w.swatches);
    QObject::connect(&w.swatches, &SwatchPicking::stripStatusTextChanged, &page,
                     [&page](StripId id, const QString& text) {
                         (id == StripId::UserPalette ? page.Image1 : page.Image2)->setStatusTip(text);
                     });
    QObject::connect(&w.palettes, &PalettePicking::statusMessage, &page,
                     [show = w.showStatus](const QString& text) { show(text); });
    wireMatching(r, w.swatches);
    wireMarkers(r, w.palettes);
    // The named colours' page makes its controls when first shown.
    page.webPage->whenMade([web = page.webPage, &named = w.namedColors, &palettes = w.palettes] {
        wireNamedColors(*web, named, palettes);
    });
    wireGradient(r, w.model);
    QMenu* menu = wirePaletteMenu(page, w.model);
    wirePageSets(w);
    return menu;
}

} // namespace huebit
