#pragma once
// Watches the program's input events and reports the element under the pointer, before each
// event is handled and once more after; the status line's automatic hint follows its hint. Only
// the windows added here count; over a menu or a dialog nothing is reported. Tool-tip pop-ups
// are swallowed: hints go to the status line only.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace huebit {

class HintTracker : public QObject {
    Q_OBJECT
public:
    explicit HintTracker(QObject* parent = nullptr);
    ~HintTracker() override;

    void addWindow(QWidget* window);

signals:
    /// Around input events: the element under the pointer (its hint is its status tip).
    void elementUnderPointer(QWidget* element);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* elementAt(QPoint global) const;
    void settle();

    QList<QPointer<QWidget>> m_windows;
    QPoint m_pointer;
    bool m_pointerKnown = false;
    QTimer m_settle;
};

} // namespace huebit
