#pragma once

#include <chrono>

#include "ui/dialogs.h"

namespace qtui {

// Lets Qt deliver pending events while a long handler runs. Scans ask once per folder; events are
// delivered at most every few milliseconds, which keeps the window responsive without making a
// walk over many small folders wait on the event loop.
class QtPump : public ui::MessagePump {
 public:
  void ProcessMessages() override;

 private:
  std::chrono::steady_clock::time_point last_{};
};

// Whether enough time has passed since `last` for the screen to need another look (and if so,
// `last` becomes now).
bool TimeForAnother(std::chrono::steady_clock::time_point& last);

}  // namespace qtui
