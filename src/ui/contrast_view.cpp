#include "ui/contrast_view.h"

#include "core/contrast.h"
#include "core/extra_texts.h"
#include "ui/element_hint.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace huebit {

namespace {

constexpr int Padding = 3; // left and right of the figures

} // namespace

ContrastView::ContrastView(QWidget* sample) : QWidget(sample) {
    setObjectName(QStringLiteral("ContrastReadout"));
    // A right click belongs to the sample under it, whose menu holds the readable-text command.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void ContrastView::showPair(Color text, Color background) {
    m_textColor = text;
    m_background = background;
    const QString readout = ContrastReadout(text, background);
    SetElementHint(this, ContrastDescription(text, background),
                   ExtraText("Контраст текста и фона: ") + readout);
    if (readout == m_text) return;
    m_text = readout;
    m_ratio = ContrastRatioText(text, background);
    m_lc = QStringLiteral("Lc ") + ApcaContrastText(text, background);
    place();
    update();
}

bool ContrastView::twoLines() const {
    return 2 * fontMetrics().height() + 2 <= parentWidget()->height() - 2 * Inset;
}

QSize ContrastView::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    if (!twoLines()) return {fm.horizontalAdvance(m_text) + 2 * Padding + 2, fm.height() + 2};
    const int width = std::max(fm.horizontalAdvance(m_ratio), fm.horizontalAdvance(m_lc));
    return {width + 2 * Padding + 2, 2 * fm.height() + 2};
}

void ContrastView::place() {
    const QWidget* sample = parentWidget();
    const QSize size = sizeHint().boundedTo(sample->size() - QSize(2 * Inset, 2 * Inset));
    setGeometry(QRect(
        QPoint(sample->width() - Inset - size.width(), sample->height() - Inset - size.height()),
        size));
}

void ContrastView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) place();
    // The hint and name are composed of texts of the interface language.
    if (event->type() == QEvent::LanguageChange && !m_text.isEmpty()) {
        m_text.clear();
        showPair(m_textColor, m_background);
    }
    QWidget::changeEvent(event);
}

void ContrastView::paintEvent(QPaintEvent*) {
    // The plate keeps the window's own colours, so the figures stay legible on any sample.
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::WindowText));
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    if (!twoLines()) {
        p.drawText(inside, Qt::AlignCenter, m_text);
        return;
    }
    const int line = fontMetrics().height();
    p.drawText(inside.adjusted(0, 0, 0, -line), Qt::AlignHCenter | Qt::AlignBottom, m_ratio);
    p.drawText(inside.adjusted(0, inside.height() - line, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
               m_lc);
}

} // namespace huebit
