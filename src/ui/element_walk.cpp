#include "ui/element_walk.h"

#include "settings/element_tags.h"
#include "ui/huebit_style.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSet>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace huebit {

namespace {

// Containers Qt builds inside a control (a page control's page stack, a scroll area's viewport):
// not elements, but the elements placed in them are.
bool isQtPart(const QWidget* w) {
    return w->objectName().startsWith(QLatin1String("qt_"));
}

// Controls whose children are all Qt's own parts.
bool isWhole(const QWidget* w) {
    return qobject_cast<const QTabBar*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractScrollArea*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QStatusBar*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w) ||
           qobject_cast<const QAbstractSlider*>(w);
}

void collect(QWidget* parent, ElementList& out);

void visit(QWidget* w, ElementList& out) {
    if (!isQtPart(w)) out.append(w);
    if (!isWhole(w)) collect(w, out);
}

// Children in the order the layout lists them. A widget's child list is its stacking order,
// and a page stack lowers each page it takes, so a page control's pages go by their index.
void collect(QWidget* parent, ElementList& out) {
    if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
        for (int i = 0; i < tabs->count(); ++i)
            visit(tabs->widget(i), out);
        return;
    }
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow()) visit(w, out);
    }
}

// The page control that shows `w` as one of its pages, with its index there.
QTabWidget* pageOwner(const QWidget* w, int* index) {
    auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
    if (!stack) return nullptr;
    auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
    if (!tabs) return nullptr;
    const int i = tabs->indexOf(const_cast<QWidget*>(w));
    if (i < 0) return nullptr;
    if (index) *index = i;
    return tabs;
}

void setFontKeepingParentsOut(QWidget* w, QFont font) {
    font.setResolveMask(QFont::AllPropertiesResolved);
    w->setFont(font);
}

// The parts Qt builds inside a control (a page control's tab bar, a spin box's field) are given
// the control's font outright, so that no font set on them earlier keeps them apart.
void setPartsFont(QWidget* element, const QFont& font, const QSet<QWidget*>& elements) {
    for (QObject* child : element->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || elements.contains(w)) continue;
        setFontKeepingParentsOut(w, font);
        setPartsFont(w, font, elements);
    }
}

QSet<QWidget*> elementSet(const ElementList& elements) {
    QSet<QWidget*> set;
    for (const QPointer<QWidget>& w : elements)
        set.insert(w.data());
    return set;
}

// A group's title sits on its frame line, which the style draws at half the title's height;
// what the group lays out starts below the title, whatever the font.
void fitGroupTitle(QGroupBox* group, const QFont& font) {
    const int title = QFontMetrics(font).height();
    if (QLayout* layout = group->layout()) {
        const QMargins m = layout->contentsMargins();
        layout->setContentsMargins(m.left(), title - title / 2, m.right(), m.bottom());
    }
}

// The height a page needs at its present fonts: what its layout or its own measure asks for,
// or down to its lowest control when its controls are placed by hand.
int pageNeed(const QWidget* page, int width) {
    if (page->hasHeightForWidth()) return page->heightForWidth(width);
    if (const QSize hint = page->minimumSizeHint(); hint.isValid()) return hint.height();
    return page->childrenRect().bottom() + 1;
}

constexpr char TabsLeftToWindow[] = "tabsLeftToWindow";
constexpr char PendingCaptions[] = "pendingCaptions";

void setElementFont(QWidget* w, const QFont& font, const QSet<QWidget*>& elements) {
    if (auto* group = qobject_cast<QGroupBox*>(w)) fitGroupTitle(group, font);
    setFontKeepingParentsOut(w, font);
    setPartsFont(w, w->font(), elements);
    if (auto* tabs = qobject_cast<QTabWidget*>(w);
        tabs && ElementTag(tabs) != FixedFontTag && !tabs->property(TabsLeftToWindow).toBool())
        FitTabs(tabs);
}

bool isPanel(const QWidget* w) {
    return w->property("panel").toBool();
}

} // namespace

QSize PageArea(const QTabWidget* tabs) {
    QStyleOptionTabWidgetFrame option;
    option.initFrom(tabs);
    const QStyle* style = tabs->style();
    option.lineWidth =
        tabs->documentMode() ? 0 : style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs);
    option.shape = tabs->tabBar()->shape();
    option.tabBarSize = tabs->tabBar()->sizeHint();
    return style->subElementRect(QStyle::SE_TabWidgetTabContents, &option, tabs).size();
}

int PagesNeed(const QTabWidget* tabs) {
    const int width = PageArea(tabs).width();
    int need = 0;
    for (int i = 0; i < tabs->count(); ++i)
        need = std::max(need, pageNeed(tabs->widget(i), width));
    return need;
}

// The style's roomy tabs are taller than the plain ones: they stay only while their row leaves
// the pages the height they need, as well as fitting the width.
void FitTabs(QTabWidget* tabs) {
    QTabBar* bar = tabs->tabBar();
    const int need = PagesNeed(tabs);
    SetTabPadding(bar, PlatformTabs);
    if (bar->sizeHint().width() <= tabs->width() && PageArea(tabs).height() >= need) return;
    for (int padding : {6, 4}) {
        SetTabPadding(bar, padding);
        if (bar->sizeHint().width() <= tabs->width()) return;
    }
    SetTabPadding(bar, 2);
}

void LeaveTabsToWindow(QTabWidget* tabs) {
    tabs->setProperty(TabsLeftToWindow, true);
}

ElementList WindowElements(QWidget* window) {
    ElementList out;
    collect(window, out);
    return out;
}

QWidget* ElementAt(QWidget* deepest) {
    if (!deepest) return nullptr;
    QWidget* element = deepest;
    for (QWidget* w = deepest; w && !w->isWindow(); w = w->parentWidget()) {
        if (isWhole(w)) element = w;
    }
    while (element && !element->isWindow() && isQtPart(element))
        element = element->parentWidget();
    return element;
}

int ElementTag(const QWidget* w) {
    return w->property("tag").toInt();
}

bool HasCaption(const QWidget* w) {
    if (w->property("noCaptionLine").toBool()) return false;
    if (pageOwner(w, nullptr) || isPanel(w)) return true;
    if (qobject_cast<const QGroupBox*>(w) || qobject_cast<const QAbstractButton*>(w)) return true;
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        return !label->property("picture").toBool() && label->pixmap().isNull();
    }
    return false;
}

QString Caption(const QWidget* w) {
    int index = -1;
    if (isPanel(w)) return w->property("panelCaption").toString();
    if (QTabWidget* tabs = pageOwner(w, &index)) return tabs->tabText(index);
    if (auto* box = qobject_cast<const QGroupBox*>(w)) return box->title();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    return {};
}

void SetCaption(QWidget* w, const QString& caption) {
    const QString old = Caption(w);
    int index = -1;
    if (isPanel(w)) {
        w->setProperty("panelCaption", caption);
    } else if (QTabWidget* tabs = pageOwner(w, &index)) {
        tabs->setTabText(index, caption);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setTitle(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        // A caption from a language file is shown as written: markup in it is not the program's.
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
    } else {
        return;
    }
    if (!old.isEmpty() && w->accessibleName() == old) w->setAccessibleName(caption);
}

void SetPendingCaptionCount(QWidget* page, int count) {
    page->setProperty(PendingCaptions, count > 0 ? QVariant(count) : QVariant());
}

int PendingCaptionCount(const QWidget* page) {
    return page->property(PendingCaptions).toInt();
}

QList<QWidget*> CaptionedElements(const ElementList& elements) {
    QList<QWidget*> out;
    for (const QPointer<QWidget>& w : elements) {
        if (!w) continue;
        if (HasCaption(w) && TakesCaptionLine(ElementTag(w))) out.append(w);
        for (int i = PendingCaptionCount(w); i > 0; --i)
            out.append(nullptr);
    }
    return out;
}

QStringList Captions(const QList<QWidget*>& captioned) {
    QStringList out;
    out.reserve(captioned.size());
    for (const QWidget* w : captioned)
        out.append(w ? Caption(w) : QString());
    return out;
}

// The walk goes from the last element to the first, inner elements before the pages and groups
// that hold them: a container's new font then stops at children that already hold their own,
// instead of reaching every child once through the container and again on its own turn.
void ApplyInterfaceFont(const ElementList& elements, std::optional<int> base,
                        const QString& family) {
    const QSet<QWidget*> set = elementSet(elements);
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        const QPointer<QWidget>& w = *it;
        if (!w) continue;
        const int tag = ElementTag(w);
        QFont font = w->font();
        bool changed = false;
        if (const auto size = base ? TaggedFontSize(tag, *base) : std::nullopt) {
            font.setPointSize(*size);
            changed = true;
        }
        if (!family.isEmpty() && TakesFontName(tag)) {
            font.setFamilies({family});
            changed = true;
        }
        if (changed) setElementFont(w, font, set);
    }
}

void ApplyInterfaceFontSize(const ElementList& elements, int base) {
    ApplyInterfaceFont(elements, base, QString());
}

void ApplyInterfaceFontName(const ElementList& elements, const QString& family) {
    ApplyInterfaceFont(elements, std::nullopt, family);
}

void PinFixedFonts(const ElementList& elements) {
    const QSet<QWidget*> set = elementSet(elements);
    for (const QPointer<QWidget>& w : elements) {
        if (!w) continue;
        const int tag = ElementTag(w);
        if (tag == FixedFontTag || tag == FixedTextTag) setElementFont(w, w->font(), set);
    }
}

} // namespace huebit
