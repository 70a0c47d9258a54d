#pragma once
// SIGTERM, SIGINT and SIGHUP end the program the orderly way (as the exit button does), so a
// scheduled job or a session logout never loses the operator's settings or snack list.
//
// The orderly way needs the event loop. A program held in a call that does not return (a share
// or print server that stopped answering) is ended all the same: a watchdog gives it
// kOrderlyEndSeconds after the signal, then ends the process with status 1 and a line on the
// error output. Calls that wait on the print server ask TerminationRequested() and give up at
// once.
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <thread>

namespace vt {

inline constexpr int kOrderlyEndSeconds = 15;

// A termination signal has arrived (safe from any thread).
bool TerminationRequested();

class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals() override;

  private:
    void Handle();
    void Watch();

    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
    int done_[2] = {-1, -1};  // written when the program ends in time: the watchdog stops
    std::thread watchdog_;
};

}  // namespace vt
