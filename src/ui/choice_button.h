#pragma once
// A flat tool button that is one of a set of exclusive choices (the named colours' sort order):
// it looks and behaves as the tool button it is, and tells assistive technology that it is a
// radio button, as its behaviour is, rather than the check box Qt reports for a checkable tool
// button.

#include <QToolButton>

namespace huebit {

class ChoiceButton : public QToolButton {
    Q_OBJECT
public:
    explicit ChoiceButton(QWidget* parent = nullptr);
};

} // namespace huebit
