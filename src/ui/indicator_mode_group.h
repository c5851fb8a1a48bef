#pragma once
// The hidden group " Индикатор текущего цвета ": the colour indicator's mode, kept in the
// settings file though nothing behaves differently by it ("динамический" is hidden as well).

#include "settings/shell_options.h"

#include <QGroupBox>

class QRadioButton;

namespace huebit {

class IndicatorModeGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit IndicatorModeGroup(QWidget* parent);

    IndicatorMode mode() const;
    /// Checks the mode's button, as a click on it would.
    void setMode(IndicatorMode mode);

    QRadioButton* RadioButton6 = nullptr; // "динамический", hidden
    QRadioButton* RadioButton7 = nullptr; // "статический"
    QRadioButton* RadioButton8 = nullptr; // "не использовать"

signals:
    void modeChanged(IndicatorMode mode);
};

} // namespace huebit
