#pragma once
#include "platform/date.h"

namespace vt {

// Today's date, behind an interface so that tests can fix it.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date Today() const = 0;
};

class SystemClock : public Clock {
  public:
    Date Today() const override;  // the local calendar day
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(Date today) : today_(today) {}
    Date Today() const override { return today_; }
    void Set(Date today) { today_ = today; }

  private:
    Date today_;
};

}  // namespace vt
