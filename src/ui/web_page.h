#pragma once
// The "Web " page: the three order choices and the copy-name button, the selector of the named
// colours, and their grid.

#include <QWidget>
#include <array>

class QComboBox;
class QToolButton;

namespace huebit {

class ImageView;
class NamedColorPicking;

class WebPage : public QWidget {
    Q_OBJECT
public:
    explicit WebPage(QWidget* parent = nullptr);

    /// Shows the order, the lines, the selected line and the grid as `named` holds them.
    void refresh(const NamedColorPicking& named);
    /// The grid's width, and the height at which the rows above it have closed up on it.
    QSize minimumSizeHint() const override;

    std::array<QToolButton*, 3> orderButtons{}; ///< "###", "ABC", "АБВ"
    QToolButton* copyNameButton = nullptr;
    QComboBox* namedColorBox = nullptr; ///< the selector
    ImageView* aPalImage4 = nullptr;    ///< the grid

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeRows();
};

} // namespace huebit
