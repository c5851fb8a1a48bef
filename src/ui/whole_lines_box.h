#pragma once
// Combo-box lists of one-line entries. The list is made when it first opens (a list made with
// the box would be laid out again at every interface font, opened or not); every line then
// takes the first line's height. The whole-lines box also widens its open list to show its lines
// whole, measured when it opens.

#include <QComboBox>

namespace huebit {

class UniformLinesBox : public QComboBox {
    Q_OBJECT
public:
    explicit UniformLinesBox(QWidget* parent = nullptr) : QComboBox(parent) {}
    void showPopup() override;

protected:
    /// The list, made now if it was not: one line's height stands for all.
    QAbstractItemView* uniformLines();
};

class WholeLinesBox : public UniformLinesBox {
    Q_OBJECT
public:
    explicit WholeLinesBox(QWidget* parent = nullptr) : UniformLinesBox(parent) {}
    void showPopup() override;
};

/// Makes `box` editable with a line of its own, leaving its list to be made when it first opens
/// (QComboBox::setEditable makes the list at once).
void MakeEditable(QComboBox* box);

} // namespace huebit
