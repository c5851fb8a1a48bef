#include "ui/whole_lines_box.h"

#include <QAbstractItemView>
#include <QListView>

namespace huebit {

void SetUniformLines(QComboBox* box) {
    if (auto* lines = qobject_cast<QListView*>(box->view())) lines->setUniformItemSizes(true);
}

WholeLinesBox::WholeLinesBox(QWidget* parent) : QComboBox(parent) {}

void WholeLinesBox::showPopup() {
    QAbstractItemView* lines = view();
    lines->setMinimumWidth(lines->sizeHintForColumn(0) + 24);
    QComboBox::showPopup();
}

} // namespace huebit
