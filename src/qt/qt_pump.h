#pragma once

#include "ui/dialogs.h"

namespace qtui {

// Lets Qt deliver pending events while a long handler runs.
class QtPump : public ui::MessagePump {
 public:
  void ProcessMessages() override;
};

}  // namespace qtui
