#include "ui/lazy_page.h"

#include "ui/element_walk.h"

#include <QApplication>
#include <QTabWidget>

namespace huebit {

LazyPage::LazyPage(int captionCount, std::function<void(LazyPage&)> controls, QWidget* parent)
    : QWidget(parent), m_controls(std::move(controls)) {
    setAutoFillBackground(true); // a page's window colour, as every page of the window has
    SetPendingCaptionCount(this, captionCount);
}

void LazyPage::makeControls() {
    if (m_controls) m_controls(*this);
}

void LazyPage::setVisible(bool visible) {
    // Made before Qt shows the page, so its controls show with it.
    if (visible && !m_adding) make();
    QWidget::setVisible(visible);
}

void LazyPage::showEvent(QShowEvent* event) {
    if (!m_made) {
        make();
        // Added first to its page control, it was shown without being made; shown now with the
        // window, after Qt showed the page's children: the new controls show now, but those
        // made hidden.
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide)) child->show();
        }
    }
    QWidget::showEvent(event);
}

void LazyPage::make() {
    if (m_made) return;
    m_made = true;
    SetPendingCaptionCount(this, 0);
    {
        // The controls are made in the font the window's controls were made in, before any
        // interface font: those that keep their designed font keep that one, as everywhere else.
        // The window then gives the others the interface font in force.
        const bool ownFont = testAttribute(Qt::WA_SetFont);
        const QFont walked = font();
        QFont designed = QApplication::font(this);
        designed.setResolveMask(QFont::AllPropertiesResolved);
        setFont(designed);
        makeControls();
        PinFixedFonts(WindowElements(this));
        setFont(ownFont ? walked : QFont());
    }
    // Whatever is waiting may ask for more waiting work; each runs once.
    for (std::size_t i = 0; i < m_whenMade.size(); ++i) {
        auto then = std::move(m_whenMade[i]);
        then();
    }
    m_whenMade.clear();
}

void LazyPage::whenMade(std::function<void()> then) {
    if (m_made) {
        then();
        return;
    }
    m_whenMade.push_back(std::move(then));
}

int LazyPage::AddTo(QTabWidget& pages, const QString& label) {
    m_adding = true;
    const int index = pages.addTab(this, label);
    m_adding = false;
    return index;
}

void MakeAllPages(QWidget* window) {
    for (LazyPage* page : window->findChildren<LazyPage*>())
        page->make();
}

} // namespace huebit
