#include "ui/font_group.h"

#include "settings/element_tags.h"
#include "ui/element_hint.h"
#include "ui/font_name_box.h"

#include <QHBoxLayout>
#include <QSpinBox>

namespace huebit {

FontGroup::FontGroup(QWidget* parent) : QGroupBox(QStringLiteral(" Выбор шрифта "), parent) {
    setObjectName(QStringLiteral("GroupBox3"));
    ComboBox3 = new FontNameBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    SetElementHint(ComboBox3, QStringLiteral("Шрифт интерфейса программы"));
    // A choice from the list only; until the user or the settings choose, the window shows the
    // font in use (WindowAppearance::ShowFontInUse).
    ComboBox3->setEditable(false);
    ComboBox3->setCurrentIndex(-1);
    ComboBox3->setMaxVisibleItems(16);
    SpinEdit3 = new QSpinBox(this);
    SpinEdit3->setObjectName(QStringLiteral("SpinEdit3"));
    SetElementHint(SpinEdit3, QStringLiteral("Размер шрифта интерфейса программы"));
    SpinEdit3->setRange(MinFontSize, MaxFontSize);
    SpinEdit3->setValue(8);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 6);
    row->setSpacing(8);
    row->addWidget(ComboBox3, 1);
    row->addWidget(SpinEdit3);
}

QString FontGroup::chosenName() const {
    return ComboBox3->currentIndex() < 0 ? QString() : ComboBox3->currentText();
}

} // namespace huebit
