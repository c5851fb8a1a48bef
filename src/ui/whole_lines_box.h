#pragma once
// Combo-box lists of one-line entries: every line may take the first line's height, so a new
// interface font does not lay out each line again, and an open list is widened to show its
// lines whole, measured when it opens.

#include <QComboBox>

namespace huebit {

/// One line's height stands for all in `box`'s list. Called once the box is set up: the list
/// made earlier does not follow the box's later settings.
void SetUniformLines(QComboBox* box);

class WholeLinesBox : public QComboBox {
    Q_OBJECT
public:
    explicit WholeLinesBox(QWidget* parent = nullptr);
    void showPopup() override;
};

} // namespace huebit
