#pragma once

#include <functional>

#include "ui/dialogs.h"

namespace testing_support {

// A message pump that counts its calls and can act as pending messages would.
class CountingPump : public ui::MessagePump {
 public:
  void ProcessMessages() override {
    ++calls;
    if (pending) pending();
  }

  int calls = 0;
  std::function<void()> pending;
};

}  // namespace testing_support
