#pragma once
// The hidden group " Язык интерфейса ": the language selector. It is given no entries, so the
// built-in texts stay in force unless the settings file names a language file.

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
