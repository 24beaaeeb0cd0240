#pragma once

#include "platform/clock.h"

namespace platform {

// The computer's local time.
class SystemClock : public Clock {
 public:
  SystemTime GetLocalTime() override;
};

}  // namespace platform
