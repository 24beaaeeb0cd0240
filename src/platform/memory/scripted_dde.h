#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dde.h"

namespace platform {

// A DDE world a test scripts: a server answers when `serverRunning` (or once it was started), and
// every call is remembered.
class ScriptedDde : public Dde {
 public:
  bool Connect(std::string_view service, std::string_view topic) override {
    connects.push_back(std::string(service) + "|" + std::string(topic));
    connected = serverRunning;
    return connected;
  }
  std::optional<std::string> Request(std::string_view item, unsigned timeoutMs) override {
    requests.push_back({std::string(item), timeoutMs});
    if (!connected) return std::nullopt;
    // The server answers after `answerDelayMs`; a later answer is too late.
    if (answerDelayMs > timeoutMs) return std::nullopt;
    return answer;
  }
  void Disconnect() override {
    ++disconnects;
    connected = false;
  }
  bool StartServer(std::string_view commandLine, int showCommand) override {
    starts.push_back({std::string(commandLine), showCommand});
    if (startBringsServer) serverRunning = true;
    return startSucceeds;
  }

  bool serverRunning = false;
  bool startSucceeds = false;
  bool startBringsServer = false;
  std::optional<std::string> answer;
  unsigned answerDelayMs = 0;

  struct RequestCall {
    std::string item;
    unsigned timeoutMs;
  };
  struct StartCall {
    std::string commandLine;
    int showCommand;
  };
  bool connected = false;
  std::vector<std::string> connects;
  std::vector<RequestCall> requests;
  std::vector<StartCall> starts;
  int disconnects = 0;
};

}  // namespace platform
