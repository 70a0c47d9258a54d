#pragma once
// SIGTERM, SIGINT and SIGHUP end the program the orderly way (as the exit button does), so a
// scheduled job or a session logout never loses the operator's settings or snack list.
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace vt {

class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals() override;

  private:
    void Handle();

    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vt
