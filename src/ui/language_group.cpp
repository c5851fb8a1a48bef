#include "ui/language_group.h"

#include "ui/element_hint.h"
#include "ui/whole_lines_box.h"

#include <QComboBox>
#include <QHBoxLayout>

namespace huebit {

LanguageGroup::LanguageGroup(QWidget* parent)
    : QGroupBox(QStringLiteral(" Язык интерфейса "), parent) {
    setObjectName(QStringLiteral("GroupBox1"));
    ComboBox2 = new UniformLinesBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    SetElementHint(ComboBox2, QStringLiteral("Выбор языка интерфейса программы"));
    ComboBox2->setEditable(false);
    // It shares its row with the font group: as narrow as a short name needs.
    ComboBox2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox2->setMinimumContentsLength(12);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 6);
    row->addWidget(ComboBox2, 1);
}

} // namespace huebit
