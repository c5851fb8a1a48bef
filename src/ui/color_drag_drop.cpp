#include "ui/color_drag_drop.h"

#include "core/color_model.h"
#include "palettes/color_drop.h"
#include "ui/pixel_buffer_view.h"
#include "ui/pointer_pixel.h"
#include "ui/qt_color.h"
#include "ui/sample_view.h"
#include "ui/selection_page.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

namespace huebit {

ColorDragSource::ColorDragSource(QWidget& source, const ColorModel& model,
                                 std::function<std::optional<Color>(QPoint)> colorAt)
    : QObject(&source), m_source(source), m_model(model), m_colorAt(std::move(colorAt)) {
    source.installEventFilter(this);
}

bool ColorDragSource::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* e = static_cast<QMouseEvent*>(event);
        m_pressed.reset();
        if (e->button() == Qt::LeftButton) {
            m_pressedAt = e->position().toPoint();
            m_pressed = m_colorAt(PixelAt(e, &m_source));
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_pressed.reset();
    } else if (event->type() == QEvent::MouseMove && m_pressed) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (!(e->buttons() & Qt::LeftButton)) {
            m_pressed.reset();
        } else if ((e->position().toPoint() - m_pressedAt).manhattanLength() >=
                   QApplication::startDragDistance()) {
            const Color c = *m_pressed;
            m_pressed.reset();
            auto* drag = new QDrag(&m_source);
            auto* data = new QMimeData;
            FillColorDrag(*data, c, m_model.Templates().activeEntry());
            drag->setMimeData(data);
            QPixmap swatch(16, 16);
            swatch.fill(ToQColor(c));
            drag->setPixmap(swatch);
            if (m_run) {
                m_run(*drag);
                drag->deleteLater();
            } else {
                drag->exec(Qt::CopyAction); // Qt disposes of the drag when it ends
            }
        }
    }
    return false;
}

ColorDropTarget::ColorDropTarget(QWidget& window, ColorModel& model,
                                 std::function<void(const QString&)> importPalette)
    : QObject(&window), m_model(model), m_importPalette(std::move(importPalette)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool ColorDropTarget::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* e = static_cast<QDropEvent*>(event);
    const DropOffer offer =
        ReadDrop(*e->mimeData(), m_model.Templates().activeEntry(), m_model.Texts());
    if (offer.kind == DropKind::Refused) {
        e->ignore();
        return true;
    }
    e->setDropAction(Qt::CopyAction);
    e->accept();
    if (type != QEvent::Drop) return true;
    if (offer.kind == DropKind::Color)
        m_model.ApplyColor(offer.color, coNormal);
    else
        m_importPalette(offer.path);
    return true;
}

void WireColorDrags(SelectionPage& page, const ColorModel& model) {
    const auto stripSource = [&model](QWidget& view,
                                      const SwatchStrip& (ColorModel::*strip)() const) {
        new ColorDragSource(view, model, [&model, strip](QPoint at) -> std::optional<Color> {
            const PixelBuffer& pixels = (model.*strip)().pixels();
            if (!pixels.contains(at.x(), at.y())) return std::nullopt;
            const Color c = pixels.pixel(at.x(), at.y());
            if (c == EmptySlotColor) return std::nullopt;
            return c;
        });
    };
    stripSource(*page.Image1, &ColorModel::UserPalette);
    stripSource(*page.Image2, &ColorModel::PreviousColors);
    new ColorDragSource(*page.Panel4, model,
                        [&model](QPoint) { return std::optional(model.TargetedSampleColor()); });
}

} // namespace huebit
