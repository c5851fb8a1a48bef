#pragma once
// The "Web " page: the three order choices and the copy-name button, the selector of the named
// colours, and their grid.

#include "ui/lazy_page.h"

#include <array>

class QComboBox;
class QToolButton;

namespace huebit {

class ImageView;
class NamedColorPicking;

class WebPage : public LazyPage {
    Q_OBJECT
public:
    /// The captioned elements among the controls.
    static constexpr int CaptionCount = 4;

    /// The controls are made when first needed (LazyPage).
    explicit WebPage(QWidget* parent = nullptr);

    /// Shows the order, the lines, the selected line and the grid as `named` holds them; nothing
    /// while the controls are not made.
    void refresh(const NamedColorPicking& named);
    /// The grid's width, and the height at which the rows above it have closed up on it.
    QSize minimumSizeHint() const override;

    std::array<QToolButton*, 3> orderButtons{}; ///< "###", "ABC", "АБВ"
    QToolButton* copyNameButton = nullptr;
    QComboBox* namedColorBox = nullptr; ///< the selector
    ImageView* aPalImage4 = nullptr;    ///< the grid

protected:
    void makeControls() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeRows();
};

} // namespace huebit
