#include "ui/col_panel.h"

#include "ui/sample_view.h"

namespace huebit {

TColPanel::TColPanel(ColorModel& model)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_model(model) {
    setObjectName(QStringLiteral("ColPanel"));
    setGeometry(220, 582, 247, 73);
    m_face = new SampleView(QStringLiteral("Panel1"), this);
    m_face->setAccessibleName(QStringLiteral("Выносная панель"));
    m_face->setGeometry(rect());
    m_face->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_face, &SampleView::doubleClicked, this, [this] { ShowHide(); });
    connect(m_face, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { emit contextMenuRequested(m_face->mapToGlobal(at)); });
    refresh(~0u);
}

void TColPanel::refresh(unsigned what) {
    if (!(what & ChangedFloatingPanel)) return;
    const FloatingPanelState& s = m_model.FloatingPanel();
    m_face->showSample(s.face, s.faceText, s.caption, s.font);
}

void TColPanel::ShowHide() {
    if (isVisible()) {
        hide();
        return;
    }
    m_model.UnfreezeFloatingPanel();
    show();
}

void TColPanel::showEvent(QShowEvent* event) {
    m_model.FloatingPanelShown();
    QWidget::showEvent(event);
}

} // namespace huebit
