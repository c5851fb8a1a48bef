#pragma once
// The floating colour panel: a borderless, always-on-top window that repeats the sample.
// It lives for the whole run and starts hidden.

#include "core/color_model.h"

#include <QWidget>

namespace huebit {

class SampleView;

class TColPanel : public QWidget {
    Q_OBJECT
public:
    explicit TColPanel(ColorModel& model);

    void refresh(unsigned what);
    /// "Показать/скрыть выносную панель": hides a shown panel, shows a hidden one unfrozen.
    void ShowHide();
    SampleView* face() const { return m_face; }

signals:
    /// The face's context menu was asked for, at this screen point.
    void contextMenuRequested(QPoint global);

protected:
    void showEvent(QShowEvent* event) override;

private:
    ColorModel& m_model;
    SampleView* m_face;
};

} // namespace huebit
