#include "platform/qt_remarks.h"

#include <QtGlobal>

namespace huebit {

namespace {

QtMessageHandler qtHandler = nullptr;

void dropRemarks(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (qtHandler && (type == QtCriticalMsg || type == QtFatalMsg))
        qtHandler(type, context, message);
}

} // namespace

void SilenceQtRemarks() {
    qtHandler = qInstallMessageHandler(dropRemarks);
}

} // namespace huebit
