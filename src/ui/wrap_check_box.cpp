#include "ui/wrap_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace huebit {

namespace {

constexpr int Flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

} // namespace

WrapCheckBox::WrapCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    // Not Fixed: a fixed height would be capped at one line.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrapCheckBox::indicatorSpace() const {
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

QRect WrapCheckBox::captionRect(int width) const {
    const int room = qMax(1, width - indicatorSpace());
    return fontMetrics().boundingRect(QRect(0, 0, room, 10000), Flags, text());
}

QSize WrapCheckBox::sizeHint() const {
    return QCheckBox::sizeHint();
}

QSize WrapCheckBox::minimumSizeHint() const {
    // As narrow as its longest word allows.
    int word = 0;
    for (const QString& w : text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        word = qMax(word, fontMetrics().horizontalAdvance(w));
    return {indicatorSpace() + word + 2, QCheckBox::minimumSizeHint().height()};
}

int WrapCheckBox::heightForWidth(int width) const {
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    return std::max({QCheckBox::sizeHint().height(), indicator, captionRect(width).height() + 2});
}

void WrapCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the box (and the focus frame); the caption is drawn here, wrapped.
    option.text.clear();
    p.drawControl(QStyle::CE_CheckBox, option);
    const QRect area = rect().adjusted(indicatorSpace(), 0, 0, 0);
    style()->drawItemText(&p, area, Flags, palette(), isEnabled(), text(), QPalette::WindowText);
}

} // namespace huebit
