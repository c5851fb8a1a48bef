#pragma once
// The colour indicator Panel56 at the bottom-left of the main window, with the 34-pixel spacer
// that keeps the status text clear of it: the poll that shows and hides both, the hover that
// shows the targeted sample colour, and the double click between its two forms.

#include <QObject>
#include <QTimer>

class QStatusBar;
class QTabWidget;
class QWidget;

namespace huebit {

class ColorModel;
class ColorSwatch;
class PalettePicking;
struct HintOptions;

class ColorIndicator : public QObject {
    Q_OBJECT
public:
    ColorIndicator(ColorSwatch& indicator, QWidget& spacer, QStatusBar& statusBar,
                   const QTabWidget& pages, const HintOptions& options, PalettePicking& picking,
                   const ColorModel& model);

    void IndicatorPoll();
    /// The large form (29 x 105, no bevels) or the small one (29 x 29, bevelled).
    void SetLarge(bool large);
    bool isLarge() const;
    void start() { m_poll.start(); }
    /// The status strip stands `rows` lower than in the layout (a window grown for a large
    /// interface font); the indicator keeps its place on it.
    void setStripShift(int rows);

signals:
    /// The form changed (the settings file keeps it).
    void formChanged(bool large);

private:
    void setShown(bool shown);

    ColorSwatch& m_indicator;
    QWidget& m_spacer;
    QStatusBar& m_statusBar;
    const QTabWidget& m_pages;
    const HintOptions& m_options;
    QTimer m_poll;
    int m_stripShift = 0;
};

} // namespace huebit
