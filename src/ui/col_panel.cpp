#include "ui/col_panel.h"

#include "ui/sample_view.h"

namespace huebit {

TColPanel::TColPanel(const ColorModel& model)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_model(model) {
    setObjectName(QStringLiteral("ColPanel"));
    setGeometry(220, 582, 247, 73);
    m_face = new SampleView(QStringLiteral("Panel1"), this);
    m_face->setGeometry(rect());
    refresh(~0u);
}

void TColPanel::refresh(unsigned what) {
    if (!(what & ChangedFloatingPanel)) return;
    const FloatingPanelState& s = m_model.FloatingPanel();
    m_face->showSample(s.face, s.faceText, s.caption);
}

} // namespace huebit
