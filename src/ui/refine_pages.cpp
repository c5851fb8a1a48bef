#include "ui/refine_pages.h"

#include "ui/color_swatch.h"
#include "ui/element_hint.h"
#include "ui/extra_text_binding.h"
#include "ui/font_refit.h"
#include "ui/huebit_style.h"
#include "ui/pixel_buffer_view.h"
#include "ui/qt_color.h"

#include <QCheckBox>
#include <QTabBar>
#include <QPainter>
#include <QToolButton>

namespace huebit {

namespace {

constexpr int StripTop = 6; // the strip's top edge; markers are placed relative to it

void paintTabIcon(QPixmap& pm, int kind);

// Small drawn tab icons: the refinement field, the gradient and the matching colours.
QIcon refineTabIcon(int kind) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    paintTabIcon(pm, kind);
    return QIcon(pm);
}

void paintTabIcon(QPixmap& pm, int kind) {
    QPainter p(&pm);
    if (kind == 0) {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                p.fillRect(x * 4, y * 4, 4, 4, QColor(120 + x * 40, 60 + y * 30, 200 - x * 20));
    } else if (kind == 1) {
        QLinearGradient g(0, 0, 0, 16);
        g.setColorAt(0, QColor(82, 0, 208));
        g.setColorAt(1, QColor(76, 245, 38));
        p.fillRect(4, 0, 8, 16, g);
    } else {
        p.fillRect(0, 0, 8, 16, QColor(136, 87, 249));
        p.fillRect(8, 0, 8, 6, QColor(119, 168, 6));
        p.fillRect(8, 6, 8, 5, QColor(247, 40, 134));
        p.fillRect(8, 11, 8, 5, QColor(8, 215, 121));
    }
}

// A short gradient bar with an arrow pointing at the end the button sets: the top (start) or
// the bottom (end).
QIcon gradientEndIcon(bool top) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    QLinearGradient g(0, 1, 0, 15);
    g.setColorAt(0, QColor(82, 0, 208));
    g.setColorAt(1, QColor(76, 245, 38));
    p.setPen(QColor(70, 70, 110));
    p.setBrush(g);
    p.drawRect(9, 0, 6, 15);
    const int y = top ? 3 : 12;
    p.setBrush(QColor(40, 40, 80));
    p.setPen(Qt::NoPen);
    const QPoint head[] = {{8, y}, {4, y - 3}, {4, y + 3}};
    p.drawPolygon(head, 3);
    p.fillRect(0, y - 1, 4, 3, QColor(40, 40, 80));
    return QIcon(pm);
}

QToolButton* makeButton(const QString& name, const QString& hint, const QIcon& icon,
                        QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(icon);
    b->setAutoRaise(true);
    SetElementHint(b, hint);
    return b;
}

} // namespace

RefinePages::RefinePages(const ColorModel& model, const PixelBuffer& greyPalette, QWidget* parent)
    : QTabWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("PageControl4"));
    setIconSize(QSize(14, 14));
    tabBar()->setUsesScrollButtons(false);
    SetCompactTabs(this);
    addTab(buildRefinePage(greyPalette), refineTabIcon(0), QString());
    addTab(buildGradientPage(), refineTabIcon(1), QString());
    addTab(buildMatchingPage(), refineTabIcon(2), QString());
    // Icon-only tabs drawn at their own size: kept out of font changes, pages included.
    SetElementTag(this, -100);
    for (int i = 0; i < count(); ++i) SetElementTag(widget(i), -100);
    for (int i = 0; i < 3; ++i) {
        static const char* names[] = {"Уточнение цвета", "Градиент", "Подходящие цвета"};
        BindTabWhatsThis(this, i, QString::fromUtf8(names[i]));
    }
    refresh(~0u);
}

QWidget* RefinePages::buildRefinePage(const PixelBuffer& greyPalette) {
    auto* page = NewPage(QStringLiteral("TabSheetRefine"));
    bPalImage2 = new PixelBufferView(QStringLiteral("bPalImage2"), m_model.RefinePalette(), page);
    SetElementHint(bPalImage2, QStringLiteral("Палитра уточнения значения"));
    bPalImage2->move(2, StripTop);
    Image6 = new PixelBufferView(QStringLiteral("Image6"), m_model.SaturationStrip(), page);
    SetElementHint(Image6, QStringLiteral("Насыщенность цвета"));
    Image6->move(68, StripTop);
    Panel18 = new ColorSwatch(QStringLiteral("Panel18"), QStringLiteral("Чёрный"), page);
    Panel20 = new ColorSwatch(QStringLiteral("Panel20"), QStringLiteral("Белый"), page);
    Panel19 = new ColorSwatch(QStringLiteral("Panel19"), QStringLiteral("Текущий"), page);
    Panel21 = new ColorSwatch(QStringLiteral("Panel21"), QStringLiteral("Соответствующий серый"),
                              page);
    for (ColorSwatch* m : {Panel18, Panel20, Panel19, Panel21}) m->resize(5, 5);
    cPalImage1 = new PixelBufferView(QStringLiteral("cPalImage1"), greyPalette, page);
    SetElementHint(cPalImage1, QStringLiteral("Оттенки серого"));
    cPalImage1->setGeometry(93, StripTop, 10, 128);
    return page;
}

QWidget* RefinePages::buildGradientPage() {
    // The strip takes the page's height; the start button stands level with its top, the end
    // button level with its bottom, and the check box that takes over the start sits under
    // the start button.
    auto* page = NewPage(QStringLiteral("TabSheetGradient"));
    Image3 = new PixelBufferView(QStringLiteral("Image3"), m_model.Gradient().strip, page);
    Image3->move(6, StripTop - 3);
    SetElementHint(Image3, QStringLiteral("Градиент"));
    const int side = Image3->geometry().right() + 6;
    gradientStartButton =
        makeButton(QStringLiteral("GradientStartButton"),
                   QStringLiteral("Установить начальный цвет"), gradientEndIcon(true), page);
    gradientStartButton->setGeometry(side, Image3->y(), 26, 22);
    CheckBox2 = new QCheckBox(QStringLiteral("Авто"), page);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    SetElementHint(CheckBox2, QStringLiteral("Автоподстановка начального цвета"));
    new FontRefit({CheckBox2}, [this, side] {
        CheckBox2->setGeometry(side + 2, Image3->y() + 26, std::max(64, CheckBox2->sizeHint().width()),
                               std::max(20, CheckBox2->sizeHint().height()));
    }, page);
    gradientEndButton =
        makeButton(QStringLiteral("GradientEndButton"), QStringLiteral("Установить конечный цвет"),
                   gradientEndIcon(false), page);
    gradientEndButton->setGeometry(side, Image3->geometry().bottom() + 1 - 22, 26, 22);
    return page;
}

QWidget* RefinePages::buildMatchingPage() {
    auto* page = NewPage(QStringLiteral("TabSheetMatching"));
    Panel16 = new ColorSwatch(QStringLiteral("Panel16"), QStringLiteral("Дополнительный цвет"), page);
    Panel16->setGeometry(8, 8, 96, 124);
    Panel15 = new ColorSwatch(QStringLiteral("Panel15"), QStringLiteral("Основной цвет"), Panel16);
    Panel15->setGeometry(4, 4, 44, 116);
    Panel12 = new ColorSwatch(QStringLiteral("Panel12"),
                              QStringLiteral("Основной + белый (дополнительный)"), Panel16);
    Panel12->setGeometry(52, 4, 40, 36);
    Panel13 = new ColorSwatch(QStringLiteral("Panel13"), QStringLiteral("Основной + серый"), Panel16);
    Panel13->setGeometry(52, 44, 40, 36);
    Panel17 = new ColorSwatch(QStringLiteral("Panel17"), QStringLiteral("Дополнительный + серый"),
                              Panel16);
    Panel17->setGeometry(52, 84, 40, 36);
    return page;
}

void RefinePages::placeMarker(ColorSwatch* marker, const StripMarker& m, int left) {
    marker->setColor(m.color);
    marker->move(left, m.top);
}

void RefinePages::refresh(unsigned what) {
    if (what & ChangedRefinePalette) bPalImage2->refresh();
    if (what & ChangedSaturation) {
        Image6->refresh();
        const SaturationMarkers& m = m_model.Markers();
        placeMarker(Panel18, m.black, MarkerLeft);
        placeMarker(Panel20, m.white, MarkerLeft);
        placeMarker(Panel19, m.current, MarkerLeft);
        placeMarker(Panel21, m.grey, GreyMarkerLeft);
    }
    if (what & ChangedGradient) {
        Image3->refresh();
        gradientStartButton->setEnabled(!m_model.Gradient().autoSubstitute);
    }
    if (what & ChangedMatching) {
        const MatchingColors& mc = m_model.Matching();
        Panel15->setColor(mc.main);
        Panel12->setColor(mc.complement);
        Panel13->setColor(mc.mainPlusGrey);
        Panel17->setColor(mc.complementPlusGrey);
    }
}

} // namespace huebit
