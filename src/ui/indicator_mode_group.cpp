#include "ui/indicator_mode_group.h"

#include "ui/element_hint.h"

#include <QHBoxLayout>
#include <QRadioButton>

namespace huebit {

namespace {

QRadioButton* makeChoice(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QRadioButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    SetElementHint(b, QString(), b->text());
    return b;
}

} // namespace

IndicatorModeGroup::IndicatorModeGroup(QWidget* parent)
    : QGroupBox(QStringLiteral(" Индикатор текущего цвета "), parent) {
    setObjectName(QStringLiteral("GroupBox2"));
    RadioButton6 = makeChoice("RadioButton6", "динамический", this);
    RadioButton7 = makeChoice("RadioButton7", "статический", this);
    RadioButton8 = makeChoice("RadioButton8", "не использовать", this);
    RadioButton7->setChecked(true);
    RadioButton6->hide();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 6);
    for (QRadioButton* b : {RadioButton6, RadioButton7, RadioButton8}) {
        row->addWidget(b);
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on) emit modeChanged(mode());
        });
    }
    row->addStretch(1);
}

IndicatorMode IndicatorModeGroup::mode() const {
    if (RadioButton6->isChecked()) return IndicatorMode::Dynamic;
    if (RadioButton7->isChecked()) return IndicatorMode::Static;
    return IndicatorMode::Unused;
}

void IndicatorModeGroup::setMode(IndicatorMode mode) {
    QRadioButton* b = mode == IndicatorMode::Dynamic  ? RadioButton6
                      : mode == IndicatorMode::Static ? RadioButton7
                                                      : RadioButton8;
    b->setChecked(true);
}

} // namespace huebit
