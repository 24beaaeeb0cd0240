#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

constexpr int SW_SHOWMINNOACTIVE = 7;

// A DDE client: one conversation at a time with a server of a service and topic.
class Dde {
 public:
  virtual ~Dde() = default;
  // Opens a conversation; false when no server answers.
  virtual bool Connect(std::string_view service, std::string_view topic) = 0;
  // Requests an item as text and waits for the answer up to the time-out; nullopt when the
  // request fails or no answer comes in time.
  virtual std::optional<std::string> Request(std::string_view item, unsigned timeoutMs) = 0;
  virtual void Disconnect() = 0;
  // Starts the server's program from a command line (as WinExec does); true when it started.
  virtual bool StartServer(std::string_view commandLine, int showCommand) = 0;
};

}  // namespace platform
