#pragma once

#include "platform/dde.h"

namespace platform {

// DDE on the Linux machine. No program here serves DDE to us: a Windows browser running under
// Wine talks DDE only to other Windows programs. Starting a server is still tried, with the
// command line's first word as the program looked up on the PATH, so the program behaves as it
// would on a machine without the browser.
class MachineDde : public Dde {
 public:
  bool Connect(std::string_view service, std::string_view topic) override;
  std::optional<std::string> Request(std::string_view item, unsigned timeoutMs) override;
  void Disconnect() override {}
  bool StartServer(std::string_view commandLine, int showCommand) override;
};

}  // namespace platform
