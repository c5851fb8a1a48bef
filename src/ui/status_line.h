#pragma once
// The status bar StatusBar1: one text area filling the bar. The text sits in a label inside the
// bar, so assistive technologies read it and hear each change; the bar's accessible description
// follows it as well. A double click anywhere on the bar is reported (it toggles the hints).

#include <QStatusBar>

class QLabel;

namespace huebit {

class StatusLine : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent);

    QString text() const { return currentMessage(); }
    QLabel* textLabel() const { return m_label; }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_label = nullptr;
};

} // namespace huebit
