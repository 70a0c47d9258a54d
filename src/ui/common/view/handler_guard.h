#pragma once
// How both windows take an operator's action: copy the widgets into the models, run the
// control's handler, show what went wrong, then refresh the widgets from the models.
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace vt {

class HandlerGuard {
  public:
    using Step = std::function<void()>;

    // `window` parents the warning box and lends it its title. `refreshing` is the window's own
    // flag, set while it copies the models into its widgets: the widget signals that copy fires
    // run no handler. `refresh` is that copy. `beforeOutermostEnds`, when given, runs as the
    // outermost handler ends, while the window still counts as busy: work put off during the run.
    HandlerGuard(QWidget& window, const bool& refreshing, Step refresh,
                 Step beforeOutermostEnds = {});
    // The busy time it shares names the guard itself: it is not copied.
    HandlerGuard(const HandlerGuard&) = delete;
    HandlerGuard& operator=(const HandlerGuard&) = delete;

    // Runs after every handler, once the window is refreshed.
    void SetAfterHandler(Step afterHandler) { afterHandler_ = std::move(afterHandler); }

    // Collect, run the handler, refresh, then the after-handler step. A print run lets window
    // events through; while a handler runs only those marked evenWhileBusy (leaving the
    // program) are taken, so that no second run starts inside the first.
    void Handle(const Step& collect, const Step& handler, bool evenWhileBusy = false);
    // Collect and run the handler, an exception shown in a warning box: no exception may cross
    // the event loop. Handle without the busy rules and the refresh.
    void Run(const Step& collect, const Step& handler);
    // A handler is running (of this window, or of one it shares its busy time with).
    bool Busy() const { return shared_->busy; }
    // One busy time with another window's guard: while a handler of either runs (a print run
    // lets both windows' events through), the other takes only its leaving-the-program
    // handlers, and as the outermost handler ends each guard's put-off work runs.
    void ShareBusyWith(HandlerGuard& other);

  private:
    struct Shared {
        bool busy = false;
        std::vector<HandlerGuard*> guards;
    };

    QWidget& window_;
    const bool& refreshing_;
    Step refresh_;
    Step beforeOutermostEnds_;
    Step afterHandler_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>(Shared{false, {this}});
};

}  // namespace vt
