#pragma once
// The status bar StatusBar1: one text area filling the bar. The text sits in a label inside the
// bar, so assistive technologies read it and hear each change; the bar's accessible description
// follows it as well. A double click anywhere on the bar is reported (it toggles the hints). A
// text longer than the bar ends in "…" on screen; assistive technologies get all of it.
//
// Besides the passing messages the line can hold a notice (why the last screen copy failed):
// it shows whenever no message does, and for a moment after it is given an automatic hint does
// not cover it, so the hint of the button under the returning pointer does not hide it at once.

#include <QElapsedTimer>
#include <QStatusBar>

class QLabel;

namespace huebit {

class StatusLine : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent);

    /// What the line shows now: the message, else the notice.
    QString shownText() const;
    QLabel* textLabel() const { return m_label; }

    void setNotice(const QString& text);
    const QString& notice() const { return m_notice; }
    /// The automatic hint: a message, unless a notice or a held message was given moments ago.
    void showHint(const QString& text);
    /// A message the user must get to read: the hint of whatever the pointer lands on does not
    /// replace it at once.
    void showHeldMessage(const QString& text);

    static constexpr int NoticeHoldMs = 2000;

signals:
    void doubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showText();
    void fitText();

    QLabel* m_label = nullptr;
    QString m_notice;
    QElapsedTimer m_heldSince; ///< when the last notice or held message was given
};

} // namespace huebit
