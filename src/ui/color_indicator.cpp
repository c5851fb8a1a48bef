#include "ui/color_indicator.h"

#include "core/color_model.h"
#include "output/hint_options.h"
#include "palettes/palette_picking.h"
#include "shell/indicator_rules.h"
#include "ui/color_swatch.h"

#include <QStatusBar>
#include <QTabWidget>

namespace huebit {

namespace {
constexpr int SpacerWidth = 34;
} // namespace

ColorIndicator::ColorIndicator(ColorSwatch& indicator, QWidget& spacer, QStatusBar& statusBar,
                               const QTabWidget& pages, const HintOptions& options,
                               PalettePicking& picking, const ColorModel& model)
    : QObject(&indicator), m_indicator(indicator), m_spacer(spacer), m_statusBar(statusBar),
      m_pages(pages), m_options(options) {
    m_poll.setInterval(IndicatorPollMs);
    connect(&m_poll, &QTimer::timeout, this, [this] { IndicatorPoll(); });
    connect(&indicator, &ColorSwatch::hovered, this,
            [&picking, &model] { picking.SetIndicatorColor(model.TargetedSampleColor()); });
    connect(&indicator, &ColorSwatch::doubleClicked, this, [this] { SetLarge(!isLarge()); });
    connect(&picking, &PalettePicking::indicatorChanged, &indicator,
            [&indicator](Color c) { indicator.setColor(c); });
    SetLarge(false);
    setShown(false);
}

void ColorIndicator::IndicatorPoll() {
    const bool shown = IndicatorShownAfterPoll(m_pages.currentIndex(), m_options.useIndicator,
                                               !m_indicator.isHidden());
    if (shown != !m_indicator.isHidden()) setShown(shown);
}

void ColorIndicator::setShown(bool shown) {
    m_indicator.setVisible(shown);
    m_spacer.setVisible(shown);
    // The status text starts right of the spacer while the indicator stands there.
    QRect bar = m_statusBar.geometry();
    const int right = bar.right();
    bar.setLeft(shown ? SpacerWidth : 0);
    bar.setRight(right);
    m_statusBar.setGeometry(bar);
    if (shown) m_indicator.raise();
}

void ColorIndicator::setStripShift(int rows) {
    if (rows == m_stripShift) return;
    m_stripShift = rows;
    m_indicator.setGeometry((isLarge() ? LargeIndicator : SmallIndicator).translated(0, rows));
}

void ColorIndicator::SetLarge(bool large) {
    m_indicator.setGeometry((large ? LargeIndicator : SmallIndicator).translated(0, m_stripShift));
    m_indicator.setFrameStyle(large ? QFrame::NoFrame : QFrame::Panel | QFrame::Sunken);
    m_indicator.setLineWidth(large ? 0 : 2);
    emit formChanged(large);
}

bool ColorIndicator::isLarge() const {
    return IsLargeIndicator(m_indicator.height());
}

} // namespace huebit
