#include "ui/whole_lines_box.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListView>

namespace huebit {

QAbstractItemView* UniformLinesBox::uniformLines() {
    QAbstractItemView* lines = view();
    if (auto* list = qobject_cast<QListView*>(lines)) list->setUniformItemSizes(true);
    return lines;
}

void UniformLinesBox::showPopup() {
    uniformLines();
    QComboBox::showPopup();
}

void WholeLinesBox::showPopup() {
    QAbstractItemView* lines = uniformLines();
    lines->setMinimumWidth(lines->sizeHintForColumn(0) + 24);
    QComboBox::showPopup();
}

void MakeEditable(QComboBox* box) {
    auto* line = new QLineEdit(box);
    line->setPalette(box->palette());
    box->setLineEdit(line);
}

} // namespace huebit
