#pragma once
// The screen page's state: the captured screen, its reduced overview with the marker, the two
// magnified views, and the colours under the pointer and chosen.

#include "core/color.h"
#include "screen/screen_capture.h"

#include <QObject>
#include <QRect>

namespace huebit {

/// Overview size and place in its group box for a screen, fitted into `reference`.
QRect FitOverview(QSize screen, QSize reference);
/// The part of the screen under a marker centred at (cx, cy) of an overview `k` times smaller.
QRect MagnifierSource(int cx, int cy, long double k);
/// ".bmp" appended unless the name already ends in it (in any case).
QString BmpFileName(const QString& chosen);

enum ScreenChange : unsigned {
    ChangedOverview = 1u << 0, ///< the overview picture, its place or the marker
    ChangedViews = 1u << 1,    ///< the medium and large views
    ChangedHover = 1u << 2,    ///< the current readout
    ChangedPicked = 1u << 3,   ///< the chosen readout
};

enum class ArrowDirection { Left, Up, Right, Down };

class ScreenPicker : public QObject {
    Q_OBJECT
public:
    static constexpr QSize LayoutOverview{383, 219};
    static constexpr QSize MediumSize{40, 30};
    static constexpr QSize LargeSize{160, 120};
    static constexpr Color Silver = 0xC0C0C0;

    ScreenPicker();

    /// Takes a new screen picture and fits the overview; the marker is gone, the views stay.
    void CaptureScreen(ScreenCapture& capture);
    void SetScreenImage(const QImage& screen);

    void SelectFragment(int x, int y, bool pick);
    void OverviewPressed(Qt::MouseButton button, int x, int y);
    void OverviewMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void Arrow(ArrowDirection direction);

    void MediumPressed(int x, int y);
    void MediumMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void LargePressed(int x, int y);
    void LargeMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void PickAveraged(int x, int y);
    void SetPickedColor(Color c);

    void SetStep(int step) { m_step = step; }
    void SetDiameter(int diameter) { m_diameter = diameter; }

    const QImage& ScreenImage() const { return m_screen; }
    const QImage& Overview() const { return m_overview; }
    QRect OverviewRect() const { return m_overviewRect; }
    const QImage& MediumView() const { return m_medium; }
    const QImage& LargeView() const { return m_large; }
    int FragmentX() const { return m_fragmentX; }
    int FragmentY() const { return m_fragmentY; }
    Color PickedScreenColor() const { return m_picked; }
    Color HoverColor() const { return m_hover; }
    int Diameter() const { return m_diameter; }

signals:
    void changed(unsigned what);
    /// The colour under the pointer, for the window's colour indicator.
    void hovered(Color c);

private:
    void drawMarker(int x, int y);
    void RefreshMagnifier(int cx, int cy);
    void showHover(Color c, bool indicator);
    Color overviewPixel(int x, int y) const;

    QImage m_screen;
    QImage m_clean;    ///< the reduced capture without the marker
    QImage m_overview; ///< what the page shows: the reduction with the marker
    QRect m_overviewRect{QPoint(2, 16), LayoutOverview};
    QImage m_medium;
    QImage m_large;
    int m_fragmentX = -100;
    int m_fragmentY = 0;
    int m_step = 3;
    int m_diameter = 1;
    Color m_picked = Silver;
    Color m_hover = Silver;
};

} // namespace huebit
