#include "ui/col_panel.h"

#include "settings/settings_walk.h"
#include "shell/panel_on_screen.h"
#include "shell/panel_resize.h"
#include "ui/contrast_view.h"
#include "ui/element_hint.h"
#include "ui/extra_text_binding.h"
#include "ui/first_paint.h"
#include "ui/panel_button.h"
#include "ui/qt_color.h"
#include "ui/sample_view.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QToolButton>
#include <QWindow>

namespace huebit {

namespace {

// The strip at the face's left edge where the pointer brings the buttons out.
constexpr QRect ButtonStrip(3, 3, 16, 55); // 3 <= x <= 18, 3 <= y <= 57

QFont tahoma(int pixels, bool bold = false) {
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QToolButton* makeButton(const char* name, const char* caption, const char* hint, int y,
                        QWidget* parent) {
    auto* b = new PanelButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QString::fromUtf8(caption));
    SetElementHint(b, QString::fromUtf8(hint));
    b->setGeometry(2, y, 17, 17);
    b->setFont(tahoma(13));
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
    return b;
}

std::vector<QRect> screenGeometries() {
    std::vector<QRect> all;
    for (const QScreen* s : QGuiApplication::screens())
        all.push_back(s->geometry());
    return all;
}

bool primaryAlone(const QMouseEvent* e) {
    return e->buttons() == Qt::LeftButton && e->modifiers() == Qt::NoModifier;
}

} // namespace

TColPanel::TColPanel(ColorModel& model, const SettingsBuffer& settings,
                     QWidget* partsAfterFirstPaintOf)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_model(model) {
    setObjectName(QStringLiteral("ColPanel"));
    BindExtraText(this, "accessibleName", QStringLiteral("Выносная панель"));
    // A second window beside the main one: it never keeps the program running by itself.
    setAttribute(Qt::WA_QuitOnClose, false);
    setGeometry(PanelGeometryFromSettings(settings, QRect(220, 582, 247, 73)));
    if (!partsAfterFirstPaintOf) {
        buildParts();
        return;
    }
    AfterFirstPaint(*partsAfterFirstPaintOf, [panel = QPointer<TColPanel>(this)] {
        if (panel) panel->buildParts();
    });
}

void TColPanel::buildParts() {
    if (m_face) return;
    m_face = new SampleView(QStringLiteral("Panel1"), this);
    BindExtraText(m_face, "accessibleName", QStringLiteral("Выносная панель"));
    m_face->setGeometry(rect());
    m_face->setContextMenuPolicy(Qt::CustomContextMenu);
    m_face->installEventFilter(this);
    connect(m_face, &SampleView::doubleClicked, this, [this] { ShowHide(); });
    connect(m_face, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { emit contextMenuRequested(m_face->mapToGlobal(at)); });

    m_contrast = new ContrastView(m_face);
    m_contrast->setFont(tahoma(11));

    m_readout = new QLabel(this);
    m_readout->setObjectName(QStringLiteral("Label1"));
    BindExtraText(m_readout, "accessibleName", QStringLiteral("Размер выносной панели"));
    m_readout->setFont(tahoma(11));
    m_readout->move(21, 5);
    m_readout->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_readout->hide();
    m_resize = makeButton("SpeedButton1", "/", "Изменить размер", 2, this);
    m_close = makeButton("SpeedButton2", "X", "Закрыть выносную панель", 21, this);
    m_freeze = makeButton("SpeedButton3", "Z", "Заморозить / разморозить", 40, this);
    m_resize->installEventFilter(this);
    connect(m_close, &QToolButton::clicked, this, [this] {
        hide();
        m_resize->hide();
        m_close->hide();
    });
    connect(m_freeze, &QToolButton::clicked, this, [this] { m_model.ToggleFloatingPanelFreeze(); });
    refresh(~0u);
}

void TColPanel::refresh(unsigned what) {
    // Parts made later start from the model's state.
    if (!(what & ChangedFloatingPanel) || !m_face) return;
    const FloatingPanelState& s = m_model.FloatingPanel();
    m_face->showSample(s.face, s.faceText, s.caption, s.font);
    m_contrast->showPair(s.faceText, s.face);
    placeContrast();
    // Bold "Z" is how the panel shows it is frozen.
    m_freeze->setFont(tahoma(13, s.frozen));
    QPalette p = m_readout->palette();
    p.setColor(QPalette::WindowText, ToQColor(s.readoutText));
    m_readout->setPalette(p);
}

void TColPanel::ShowHide() {
    if (isVisible()) {
        hide();
        return;
    }
    m_model.UnfreezeFloatingPanel();
    buildParts();
    setControlsShown(false);
    show();
}

void TColPanel::setVisible(bool visible) {
    if (visible) buildParts();
    if (visible && !isVisible()) setGeometry(KeepPanelOnScreen(geometry(), screenGeometries()));
    QWidget::setVisible(visible);
}

void TColPanel::showEvent(QShowEvent* event) {
    m_model.FloatingPanelShown();
    m_readout->hide();
    QWidget::showEvent(event);
}

void TColPanel::resizeEvent(QResizeEvent* event) {
    if (m_face) {
        m_face->setGeometry(rect());
        placeContrast();
    }
    QWidget::resizeEvent(event);
}

void TColPanel::placeContrast() {
    m_contrast->fitToSample();
    const QRect caption = m_face->fontMetrics().boundingRect(m_face->contentsRect(),
                                                             Qt::AlignCenter, m_face->caption());
    m_contrast->setVisible(PanelHasRoomForPlate(m_face->size(), m_contrast->sizeHint(),
                                                ContrastView::Inset, caption));
}

void TColPanel::setControlsShown(bool shown) {
    for (QWidget* w : {static_cast<QWidget*>(m_readout), static_cast<QWidget*>(m_resize),
                       static_cast<QWidget*>(m_close), static_cast<QWidget*>(m_freeze)})
        w->setVisible(shown);
    if (shown) showSize();
}

void TColPanel::showSize() {
    m_readout->setText(QStringLiteral("%1/%2").arg(m_face->width()).arg(m_face->height()));
    m_readout->adjustSize();
}

bool TColPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_face)
        faceMouse(event);
    else if (watched == m_resize)
        resizeMouse(event);
    return false;
}

void TColPanel::faceMouse(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        m_manualMove = false;
        m_moveOffset = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - pos();
        return;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        m_manualMove = false;
        return;
    }
    if (event->type() != QEvent::MouseMove) return;
    const auto* e = static_cast<QMouseEvent*>(event);
    if (primaryAlone(e)) {
        if (!m_manualMove) {
            if (windowHandle() && windowHandle()->startSystemMove()) return;
            m_manualMove = true; // no window manager to move it: move it by hand
        }
        move(e->globalPosition().toPoint() - m_moveOffset);
        return;
    }
    setControlsShown(ButtonStrip.contains(e->position().toPoint()));
}

void TColPanel::resizeMouse(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        m_resizeStart = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        return;
    }
    if (event->type() != QEvent::MouseMove) return;
    const auto* e = static_cast<QMouseEvent*>(event);
    if (primaryAlone(e)) {
        const PanelResizeStep step =
            ResizePanel(geometry(), m_resizeStart, e->globalPosition().toPoint());
        setGeometry(step.geometry);
        m_resizeStart = step.start;
    }
    showSize();
}

} // namespace huebit
