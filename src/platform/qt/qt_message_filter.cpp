#include "platform/qt/qt_message_filter.h"

#include <QString>
#include <QtGlobal>

namespace vt {
namespace {

QtMessageHandler qtHandler = nullptr;

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) {
        return;
    }
    qtHandler(type, context, message);
}

}  // namespace

void LeaveOutSessionNotes() {
    qtHandler = qInstallMessageHandler(Filter);
}

}  // namespace vt
