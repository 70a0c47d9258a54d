#include "ui/common/view/handler_guard.h"

#include <QMessageBox>
#include <exception>

namespace vt {

HandlerGuard::HandlerGuard(QWidget& window, const bool& refreshing, Step refresh,
                           Step beforeOutermostEnds)
    : window_(window),
      refreshing_(refreshing),
      refresh_(std::move(refresh)),
      beforeOutermostEnds_(std::move(beforeOutermostEnds)) {}

void HandlerGuard::ShareBusyWith(HandlerGuard& other) {
    for (HandlerGuard* guard : other.shared_->guards) {
        shared_->guards.push_back(guard);
        guard->shared_ = shared_;
    }
}

void HandlerGuard::Handle(const Step& collect, const Step& handler, bool evenWhileBusy) {
    if (refreshing_ || (shared_->busy && !evenWhileBusy)) return;
    // Only the outermost call ends the busy time; a nested Exit leaves the run it stops busy.
    const bool outermost = !shared_->busy;
    shared_->busy = true;
    Run(collect, handler);
    if (outermost) {
        // Held by a copy: a put-off step may not outlive the list it runs from.
        const std::shared_ptr<Shared> shared = shared_;
        for (HandlerGuard* guard : shared->guards) {
            if (guard->beforeOutermostEnds_) guard->beforeOutermostEnds_();
        }
        shared->busy = false;
    }
    refresh_();
    if (afterHandler_) afterHandler_();
}

void HandlerGuard::Run(const Step& collect, const Step& handler) {
    collect();
    try {
        handler();
    } catch (const std::exception& e) {
        QMessageBox::warning(&window_, window_.windowTitle(), QString::fromStdString(e.what()));
    }
}

}  // namespace vt
