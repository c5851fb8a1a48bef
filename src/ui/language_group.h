#pragma once
// The group " Язык интерфейса ": the language selector, the built-in texts first, then the
// language files found (WindowAppearance fills and follows it).

#include <QGroupBox>

class QComboBox;

namespace huebit {

class LanguageGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit LanguageGroup(QWidget* parent);

    QComboBox* ComboBox2 = nullptr; // the selector: a fixed list, no typing
};

} // namespace huebit
