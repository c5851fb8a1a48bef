#include "platform/program_end.h"

#include "platform/termination_signals.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace huebit {

void RouteProgramEnd(QObject* context, const ProgramEndRoutes& routes) {
    auto* signals_ = new TerminationSignals(context);
    QObject::connect(signals_, &TerminationSignals::received, context,
                     [close = routes.closeNow](int) { close(); });
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, context,
                     [save = routes.saveNow](QSessionManager&) { save(); });
    QObject::connect(qGuiApp, &QCoreApplication::aboutToQuit, context, routes.quitting);
}

} // namespace huebit
