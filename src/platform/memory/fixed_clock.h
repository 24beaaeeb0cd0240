#pragma once

#include "platform/clock.h"

namespace platform {

// A clock that shows the time it was set to.
class FixedClock : public Clock {
 public:
  explicit FixedClock(SystemTime now = {2006, 3, 2, 7, 9, 5, 3, 0}) : now_(now) {}
  void Set(SystemTime now) { now_ = now; }
  SystemTime GetLocalTime() override { return now_; }

 private:
  SystemTime now_;
};

}  // namespace platform
