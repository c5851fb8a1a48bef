#pragma once
// A check box whose caption wraps onto further lines when its width runs short, so a long
// option stays whole at a large interface font instead of being cut at the group's edge.

#include <QCheckBox>

namespace huebit {

class WrapCheckBox : public QCheckBox {
    Q_OBJECT
public:
    WrapCheckBox(const QString& caption, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    /// The room the box and its gap take before the caption.
    int indicatorSpace() const;
    QRect captionRect(int width) const;
};

} // namespace huebit
