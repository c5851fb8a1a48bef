#pragma once
// The program's look over the platform's style: group boxes with a thin rounded frame and the
// title on its line, and the few controls drawn smaller or placed otherwise than the style would.
// Painted here rather than through style sheets, which cost the start a style-sheet engine and
// a rule match for every widget.

#include <QProxyStyle>

class QCheckBox;
class QComboBox;
class QTabBar;
class QTabWidget;

namespace huebit {

class HuebitStyle : public QProxyStyle {
    Q_OBJECT
public:
    HuebitStyle();
    ~HuebitStyle() override;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr, QStyleHintReturn* data = nullptr) const override;

private:
    QStyle* compactTabs() const;

    mutable QStyle* m_compactTabs = nullptr; ///< made when the first compact tab is drawn
};

/// A check box whose indicator is 9 x 9 (the title strip's hover option).
void SetSmallIndicator(QCheckBox* box);
/// A combo box whose list opens below it, a few lines high, instead of over it.
void SetListBelow(QComboBox* box);
/// The platform's own tabs, for SetTabPadding.
constexpr int PlatformTabs = -1;
/// Tabs drawn small and plain with `horizontal` pixels beside their captions (2 above and
/// below), or the platform's own tabs for PlatformTabs; the bar lays its tabs out again.
void SetTabPadding(QTabBar* bar, int horizontal);
/// The refinement pages' tabs: small and plain, tight around their icons.
void SetCompactTabs(QTabWidget* tabs);

} // namespace huebit
