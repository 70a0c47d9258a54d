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

void HandlerGuard::Handle(const Step& collect, const Step& handler, bool evenWhileBusy) {
    if (refreshing_ || (busy_ && !evenWhileBusy)) return;
    // Only the outermost call ends the busy time; a nested Exit leaves the run it stops busy.
    const bool outermost = !busy_;
    busy_ = true;
    Run(collect, handler);
    if (outermost) {
        if (beforeOutermostEnds_) beforeOutermostEnds_();
        busy_ = false;
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
