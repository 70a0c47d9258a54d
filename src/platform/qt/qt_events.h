#pragma once
// The window event loop for the procedures: DoEvents lets pending events run and the views
// refresh from their models; Quit ends the event loop, even when it has not started yet.
#include <QObject>
#include <functional>

#include "platform/events.h"

namespace vt {

class QtEvents : public Events {
  public:
    // Called by DoEvents after the events ran: the views refresh their widgets from the models.
    void SetRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }

    void DoEvents() override;
    void Quit(int exitStatus) override;
    bool QuitRequested() const override { return quitRequested_; }
    // The status the program ends with, for an end requested before the event loop ran.
    int ExitStatus() const { return exitStatus_; }

  private:
    void QuitWhenLoopRuns();

    std::function<void()> refresh_;
    bool quitRequested_ = false;
    int exitStatus_ = 0;
    // Owns the pending quit call, so none outlives this object.
    QObject context_;
};

}  // namespace vt
