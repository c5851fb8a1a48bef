#include "platform/program_end.h"

#include "platform/termination_signals.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace huebit {

ProgramEnd::ProgramEnd(std::function<void()> interruptCreation, QObject* parent)
    : QObject(parent), m_interruptCreation(std::move(interruptCreation)) {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    auto* signals_ = new TerminationSignals(this);
    connect(signals_, &TerminationSignals::received, this, [this](int) { signalled(); });
}

void ProgramEnd::route(const ProgramEndRoutes& routes) {
    m_routes = routes;
    m_routed = true;
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [save = routes.saveNow](QSessionManager&) { save(); });
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, routes.quitting);
    if (m_closePending) QMetaObject::invokeMethod(this, routes.closeNow, Qt::QueuedConnection);
}

void ProgramEnd::closeSequenceRan() {
    QCoreApplication::exit(0);
}

// Each signal asks again; the close sequence itself runs once.
void ProgramEnd::signalled() {
    if (m_routed) {
        m_routes.closeNow();
        return;
    }
    m_closePending = true;
    if (m_interruptCreation) m_interruptCreation();
}

} // namespace huebit
