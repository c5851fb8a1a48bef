#pragma once
// The floating colour panel: a borderless, always-on-top window that repeats the sample.
// It lives for the whole run and starts hidden. Its three small buttons (resize, close,
// freeze) and the size readout appear while the pointer is over the strip at its left edge.
// What it shows can be made once the main window is on the screen, or when first needed.

#include "core/color_model.h"
#include "settings/settings_buffer.h"

#include <QPoint>
#include <QWidget>

class QLabel;
class QToolButton;

namespace huebit {

class ContrastView;
class SampleView;

class TColPanel : public QWidget {
    Q_OBJECT
public:
    /// Takes its size and place from the settings lines the main window loaded. With
    /// `partsAfterFirstPaintOf` its face and buttons are made only once that window has first
    /// been painted, or earlier when the panel is shown or asked for them.
    explicit TColPanel(ColorModel& model, const SettingsBuffer& settings = SettingsBuffer(),
                       QWidget* partsAfterFirstPaintOf = nullptr);

    void refresh(unsigned what);
    /// "Показать/скрыть выносную панель": hides a shown panel, shows a hidden one unfrozen.
    void ShowHide();
    SampleView* face() { return buildParts(), m_face; }
    QLabel* sizeReadout() { return buildParts(), m_readout; }
    /// The contrast of the face's text on the face; shown only while the panel has room for it.
    ContrastView* contrastReadout() { return buildParts(), m_contrast; }
    QToolButton* resizeButton() { return buildParts(), m_resize; }
    QToolButton* closeButton() { return buildParts(), m_close; }
    QToolButton* freezeButton() { return buildParts(), m_freeze; }
    /// The face and buttons exist.
    bool partsBuilt() const { return m_face != nullptr; }
    /// Showing the panel, by any command, first brings it onto the screens (a stored place may
    /// name a monitor that is gone) and up to its smallest size.
    void setVisible(bool visible) override;

signals:
    /// The face's context menu was asked for, at this screen point.
    void contextMenuRequested(QPoint global);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildParts();
    void faceMouse(QEvent* event);
    void resizeMouse(QEvent* event);
    void setControlsShown(bool shown);
    void showSize();
    void placeContrast();

    ColorModel& m_model;
    SampleView* m_face = nullptr;
    QLabel* m_readout = nullptr;
    ContrastView* m_contrast = nullptr;
    QToolButton* m_resize = nullptr;
    QToolButton* m_close = nullptr;
    QToolButton* m_freeze = nullptr;
    QPoint m_resizeStart; // the pointer's screen position at the last resize step
    QPoint m_moveOffset;  // where the face was pressed, for a move made by hand
    bool m_manualMove = false;
};

} // namespace huebit
