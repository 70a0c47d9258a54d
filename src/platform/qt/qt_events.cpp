#include "platform/qt/qt_events.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

namespace vt {

void QtEvents::DoEvents() {
    QCoreApplication::processEvents();
    if (refresh_) refresh_();
}

void QtEvents::Quit(int exitStatus) {
    quitRequested_ = true;
    exitStatus_ = exitStatus;
    QuitWhenLoopRuns();
}

// QCoreApplication::exit does nothing while no event loop runs, and DoEvents may run the
// queued call before exec() starts; so the call waits, queued again, until a loop runs.
void QtEvents::QuitWhenLoopRuns() {
    QTimer::singleShot(0, &context_, [this] {
        if (QThread::currentThread()->loopLevel() > 0) {
            QCoreApplication::exit(exitStatus_);
        } else {
            QuitWhenLoopRuns();
        }
    });
}

}  // namespace vt
