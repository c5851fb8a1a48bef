#pragma once
// The screen page's state: the captured screen, its reduced overview with the marker, the two
// magnified views, and the colours under the pointer and chosen. Widgets forward presses and
// moves in their own pixel coordinates and repaint what `changed` names.

#include "core/color.h"
#include "screen/screen_capture.h"

#include <QObject>
#include <QRect>
#include <memory>

namespace huebit {

/// Overview size and place in its group box for a screen, fitted into `reference` (the place is
/// centred on `reference` put at (2, 15) of the group box).
QRect FitOverview(QSize screen, QSize reference);
/// The part of the screen under a marker centred at (cx, cy) of an overview `k` times smaller.
QRect MagnifierSource(int cx, int cy, long double k);
/// ".bmp" appended unless the name already ends in it (in any case).
QString BmpFileName(const QString& chosen);
/// Writes `screen` at full resolution as a BMP file named after `chosen`; false if it could not.
bool SaveScreenImage(const QImage& screen, const QString& chosen);

enum ScreenChange : unsigned {
    ChangedOverview = 1u << 0,  ///< the overview picture, its place or the marker
    ChangedViews = 1u << 1,     ///< the medium and large views
    ChangedHover = 1u << 2,     ///< the current readout
    ChangedPicked = 1u << 3,    ///< the chosen readout
    ChangedSpinEdits = 1u << 4, ///< the model corrected the step or the diameter
};

enum class ArrowDirection { Left, Up, Right, Down };

class ScreenPicker : public QObject {
    Q_OBJECT
public:
    static constexpr QSize LayoutOverview{383, 219};
    static constexpr QPoint LayoutOverviewPlace{2, 16};
    static constexpr QSize MediumSize{40, 30};
    static constexpr QSize LargeSize{160, 120};
    static constexpr Color Silver = 0xC0C0C0;
    static constexpr int NoMarker = -100; ///< `FragmentX` after a capture
    static constexpr int MinStep = 1, MaxStep = 30, DefaultStep = 3;
    static constexpr int MinDiameter = 1, MaxDiameter = 200, DefaultDiameter = 1;

    ScreenPicker();

    /// Takes a new screen picture and fits the overview into the layout's 383 x 219, so repeated
    /// captures stay centred; the marker is gone, the views and the chosen colour stay. A failed
    /// capture changes nothing and returns false.
    bool CaptureScreen(ImmediateCapture& capture);
    bool SetScreenImage(const QImage& screen);
    /// The same for a copy the display server keeps: its pixels are brought over when the
    /// overview, a view or the saving first needs them. False, and nothing changes, without one.
    bool SetScreenCopy(std::shared_ptr<HeldCopy> held);

    /// Moves the marker to (x, y) clamped into the overview, magnifies the fragment and, with
    /// `pick`, chooses the overview pixel under (x, y).
    void SelectFragment(int x, int y, bool pick);
    /// The right button picks at once; the left and any other only select.
    void OverviewPressed(Qt::MouseButton button, int x, int y);
    /// Hover readout always; selection only while exactly one of left or right is held and no
    /// modifier. Positions past the edges read the nearest edge pixel.
    void OverviewMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    /// A left press one step away from the marker.
    void Arrow(ArrowDirection direction);
    /// Redraws both views from the fragment around the overview point (cx, cy).
    void RefreshMagnifier(int cx, int cy);

    // The views ignore their last column and last row, and anything outside.
    void MediumPressed(int x, int y);
    void MediumMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void LargePressed(int x, int y);
    void LargeMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    /// Chooses the average of the large view over the diameter's square around (x, y), clipped
    /// to the view. With a diameter outside 1-200 or nothing to average the pick fails: the
    /// diameter goes back to 1 and nothing else changes.
    bool PickAveraged(int x, int y);
    void SetPickedColor(Color c);
    /// Shows `c` in the hover readout and, through `hovered`, in the colour indicator.
    void HoverUpdate(Color c);

    /// Clamped to 1-30; a correction is announced as ChangedSpinEdits.
    void SetStep(int step);
    /// Kept as given; PickAveraged judges it.
    void SetDiameter(int diameter) { m_diameter = diameter; }

    /// The last screen copy, as the capture gave it: its top byte may be undefined, so it is
    /// read by colour components or saved, never drawn as it is.
    const QImage& ScreenImage() const {
        ensureScreen();
        return m_screen;
    }
    /// What the page shows: the reduced capture with the marker.
    const QImage& Overview() const {
        ensureOverview();
        return m_overview;
    }
    /// The reduced capture without the marker, where picks read.
    const QImage& CleanOverview() const {
        ensureOverview();
        return m_clean;
    }
    /// The overview's place and size in group-box coordinates.
    QRect OverviewRect() const { return m_overviewRect; }
    const QImage& MediumView() const { return m_medium; }
    const QImage& LargeView() const { return m_large; }
    int FragmentX() const { return m_fragmentX; }
    int FragmentY() const { return m_fragmentY; }
    Color PickedScreenColor() const { return m_picked; }
    Color HoverColor() const { return m_hover; }
    int Step() const { return m_step; }
    int Diameter() const { return m_diameter; }

signals:
    void changed(unsigned what);
    /// The colour under the pointer, for the window's colour indicator.
    void hovered(Color c);

private:
    void drawMarker(int x, int y);
    void showNewCopy();
    void showHover(Color c, bool indicator);
    Color overviewPixel(int x, int y) const;

    // A copy the server keeps stays there until the pixels are first read; one it has lost
    // reads as an empty picture of its size.
    void ensureScreen() const;
    void takeScreen(QImage screen) const;
    mutable QImage m_screen;
    mutable std::shared_ptr<HeldCopy> m_held;
    // The overview is reduced from the copy when first asked for: a copy taken while the screen
    // page is hidden (the start's) is not read until the page shows.
    void ensureOverview() const;
    mutable QImage m_clean;
    mutable QImage m_overview;
    mutable bool m_overviewStale = false;
    QRect m_overviewRect{LayoutOverviewPlace, LayoutOverview};
    QImage m_medium;
    QImage m_large;
    int m_fragmentX = NoMarker;
    int m_fragmentY = 0;
    int m_step = DefaultStep;
    int m_diameter = DefaultDiameter;
    Color m_picked = Silver;
    Color m_hover = Silver;
};

} // namespace huebit
