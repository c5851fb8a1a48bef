#include "ui/status_line.h"

#include "ui/extra_text_binding.h"
#include <QLabel>
#include <QMouseEvent>

namespace huebit {

StatusLine::StatusLine(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    BindExtraText(this, "accessibleName", QStringLiteral("Строка состояния"));
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("StatusText"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setIndent(2);
    // A long text is cut at the bar's end instead of widening the bar.
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addPermanentWidget(m_label, 1);
    m_label->installEventFilter(this);
    connect(this, &QStatusBar::messageChanged, this, [this] { showText(); });
}

QString StatusLine::shownText() const {
    const QString message = currentMessage();
    return message.isEmpty() ? m_notice : message;
}

void StatusLine::setNotice(const QString& text) {
    m_notice = text;
    if (text.isEmpty())
        m_heldSince.invalidate();
    else
        m_heldSince.start();
    showText();
}

void StatusLine::showHint(const QString& text) {
    if (m_heldSince.isValid() && m_heldSince.elapsed() < NoticeHoldMs) return;
    showMessage(text);
}

void StatusLine::showHeldMessage(const QString& text) {
    showMessage(text);
    m_heldSince.start();
}

void StatusLine::showText() {
    const QString text = shownText();
    if (m_label->accessibleName() == text && !text.isEmpty()) return;
    m_label->setAccessibleName(text); // announced to assistive technologies as it changes
    setAccessibleDescription(text);
    fitText();
}

void StatusLine::fitText() {
    const QString text = m_label->accessibleName();
    const int room = m_label->contentsRect().width() - m_label->indent();
    // Cut to the bar's width once the bar is on screen: the start changes the font several
    // times while the window is hidden, and measuring a long text each time is time nobody sees.
    if (room <= 0 || !m_label->isVisible()) {
        m_label->setText(text);
        return;
    }
    m_label->setText(m_label->fontMetrics().elidedText(text, Qt::ElideRight, room));
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_label &&
        (event->type() == QEvent::Resize || event->type() == QEvent::FontChange ||
         event->type() == QEvent::Show))
        fitText();
    return QStatusBar::eventFilter(watched, event);
}

void StatusLine::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    event->accept();
}

// The label shows the text; the bar itself draws nothing over it.
void StatusLine::paintEvent(QPaintEvent*) {}

} // namespace huebit
