#include "ui/huebit_style.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <optional>

namespace huebit {

namespace {

constexpr int GroupTitleLeft = 6; // the title's box from the frame's left edge
constexpr int GroupTitlePad = 1;  // blank beside the title, cut out of the frame line
constexpr int GroupCornerRadius = 2;
const QColor GroupFrameColor(0xa0, 0xa0, 0xcc);

constexpr char SmallIndicatorProperty[] = "huebitSmallIndicator";
constexpr char ListBelowProperty[] = "huebitListBelow";
constexpr char TabPaddingProperty[] = "huebitTabPadding";
constexpr int TabPaddingVertical = 2;
constexpr int CompactTabIconSpace = 12; // beside an icon, as the plain tab lays it out
constexpr int SmallIndicatorSize = 9;

bool marked(const QWidget* w, const char* property) {
    return w && w->property(property).toBool();
}

// The padding of a tab bar drawn with plain tabs; none for the platform's tabs.
std::optional<QMargins> tabPadding(const QWidget* w) {
    if (!qobject_cast<const QTabBar*>(w)) return std::nullopt;
    const QVariant v = w->property(TabPaddingProperty);
    if (!v.isValid()) return std::nullopt;
    const int h = v.toInt();
    return QMargins(h, TabPaddingVertical, h, TabPaddingVertical);
}

// The frame starts half the title's height below the top, so the title sits on its line.
int groupTitleDrop(const QStyleOptionGroupBox& box) {
    return box.fontMetrics.height() / 2;
}

// The title's box: the text plus a blank pixel each side, at the frame's left and the top.
QRect groupTitleBox(const QStyleOptionGroupBox& box) {
    const int w = box.fontMetrics.horizontalAdvance(box.text) + 2 * GroupTitlePad;
    return {box.rect.left() + GroupTitleLeft, box.rect.top(), w, box.fontMetrics.height()};
}

// A quarter of a corner, as an antialiased 45-degree arc of a one-pixel pen on a circle of the
// corner's radius; each edge draws the halves of its two corners next to it.
void cornerArc(QPainter& p, QPointF circleTopLeft, int startDegrees, int spanDegrees) {
    const qreal d = 2 * GroupCornerRadius - 1;
    p.drawArc(QRectF(circleTopLeft, QSizeF(d, d)), startDegrees * 16, spanDegrees * 16);
}

// A one-pixel frame with rounded corners of radius 2: four straight edges, then the corners'
// arcs, bottom, right, left and top, each edge with its own two halves.
void drawRoundedFrame(QPainter& p, const QRect& rect) {
    const qreal x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    const qreal r = GroupCornerRadius, half = 0.5;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(GroupFrameColor, 1, Qt::SolidLine, Qt::SquareCap);
    const auto edge = [&](QRectF area) {
        p.setPen(Qt::NoPen);
        p.setBrush(GroupFrameColor);
        p.drawRect(area);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen);
    };
    // bottom
    edge(QRectF(x + r, y + h - 1, w - 2 * r, 1));
    cornerArc(p, {x + half, y + h - 2 * r + half}, -90, -45);
    cornerArc(p, {x + w - 2 * r + half, y + h - 2 * r + half}, -90, 45);
    // right
    edge(QRectF(x + w - 1, y + r, 1, h - 2 * r));
    cornerArc(p, {x + w - 2 * r + half, y + half}, 45, -45);
    cornerArc(p, {x + w - 2 * r + half, y + h - 2 * r + half}, 315, 45);
    // left
    edge(QRectF(x, y + r, 1, h - 2 * r));
    cornerArc(p, {x + half, y + half}, 135, 45);
    cornerArc(p, {x + half, y + h - 2 * r + half}, 180, 45);
    // top
    edge(QRectF(x + r, y, w - 2 * r, 1));
    cornerArc(p, {x + half, y + half}, 135, -45);
    cornerArc(p, {x + w - 2 * r + half, y + half}, 45, 45);
    p.restore();
}

// The plain style's tabs, without the shift of the unselected ones and without their own
// spacing: the compact tabs' padding stands for both.
class CompactTabStyle : public QProxyStyle {
public:
    CompactTabStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_TabBarTabShiftHorizontal:
        case PM_TabBarTabShiftVertical:
        case PM_TabBarTabHSpace:
        case PM_TabBarTabVSpace:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

HuebitStyle::HuebitStyle() = default;

HuebitStyle::~HuebitStyle() {
    delete m_compactTabs;
}

QStyle* HuebitStyle::compactTabs() const {
    if (!m_compactTabs) m_compactTabs = new CompactTabStyle;
    return m_compactTabs;
}

void HuebitStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    const auto padding = tabPadding(widget);
    if (tab && (element == CE_TabBarTabShape || element == CE_TabBarTabLabel) && padding) {
        QStyleOptionTab copy(*tab);
        if (element == CE_TabBarTabLabel) copy.rect = copy.rect.marginsRemoved(*padding);
        compactTabs()->drawControl(element, &copy, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void HuebitStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box || (box->subControls & SC_GroupBoxCheckBox)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect frame = subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget);
    if (box->text.isEmpty()) {
        drawRoundedFrame(*painter, frame);
        return;
    }
    // The title is painted in a box a little wider than its text: the width of the text and a
    // blank, rounded up, and centred in it.
    QRect label = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
    label.setWidth(std::max(label.width(),
                            box->fontMetrics.size(Qt::TextShowMnemonic, box->text + u' ').width()));
    const QRect title = label.adjusted(-GroupTitlePad, 0, GroupTitlePad, 0);
    painter->save();
    painter->setClipRegion(QRegion(box->rect) - title);
    drawRoundedFrame(*painter, frame);
    painter->restore();
    int alignment = Qt::AlignCenter;
    if (!proxy()->styleHint(SH_UnderlineShortcut, option, widget))
        alignment |= Qt::TextHideMnemonic;
    QPalette palette = box->palette;
    if (box->textColor.isValid()) palette.setColor(QPalette::WindowText, box->textColor);
    proxy()->drawItemText(painter, label, alignment, palette, box->state & State_Enabled, box->text,
                          QPalette::WindowText);
}

QRect HuebitStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl sub, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box || (box->subControls & SC_GroupBoxCheckBox))
        return QProxyStyle::subControlRect(control, option, sub, widget);
    switch (sub) {
    case SC_GroupBoxFrame:
        return box->rect.adjusted(0, groupTitleDrop(*box), 0, 0);
    case SC_GroupBoxContents:
        return box->rect.adjusted(1, groupTitleDrop(*box) + 1, -1, -1);
    case SC_GroupBoxLabel:
        return groupTitleBox(*box).adjusted(GroupTitlePad, 0, -GroupTitlePad, 0);
    default:
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
}

QSize HuebitStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& size, const QWidget* widget) const {
    if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        type == CT_GroupBox && box) {
        return size + QSize(2, groupTitleDrop(*box) + 2);
    }
    if (const auto padding = tabPadding(widget); type == CT_TabBarTab && padding) {
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        const int icon = tab && !tab->icon.isNull() ? CompactTabIconSpace : 0;
        return size +
               QSize(icon + padding->left() + padding->right(), padding->top() + padding->bottom());
    }
    // Spin boxes a pixel lower than the platform's, level with the combo boxes beside them.
    if (type == CT_SpinBox)
        return QProxyStyle::sizeFromContents(type, option, size, widget) - QSize(0, 1);
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int HuebitStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    switch (metric) {
    case PM_TabBarTabShiftHorizontal:
    case PM_TabBarTabShiftVertical:
    case PM_TabBarTabHSpace:
    case PM_TabBarTabVSpace:
        if (tabPadding(widget)) return 0;
        break;
    default:
        break;
    }
    if ((metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) &&
        marked(widget, SmallIndicatorProperty)) {
        return SmallIndicatorSize;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int HuebitStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* data) const {
    if (hint == SH_ComboBox_Popup && marked(widget, ListBelowProperty)) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
}

void SetSmallIndicator(QCheckBox* box) {
    box->setProperty(SmallIndicatorProperty, true);
}

void SetListBelow(QComboBox* box) {
    box->setProperty(ListBelowProperty, true);
}

void SetTabPadding(QTabBar* bar, int horizontal) {
    const QVariant v = horizontal == PlatformTabs ? QVariant() : QVariant(horizontal);
    if (bar->property(TabPaddingProperty) == v) return;
    bar->setProperty(TabPaddingProperty, v);
    // The bar keeps its tabs' sizes until its style or font changes.
    QEvent changed(QEvent::StyleChange);
    QCoreApplication::sendEvent(bar, &changed);
}

void SetCompactTabs(QTabWidget* tabs) {
    SetTabPadding(tabs->tabBar(), 4);
}

} // namespace huebit
