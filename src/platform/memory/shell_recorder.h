#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/shell.h"

namespace platform {

// Remembers what the program asked the shell to open, and answers with a chosen result.
class ShellRecorder : public Shell {
 public:
  struct Request {
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int showCommand = 0;
  };

  int ShellExecuteA(std::string_view verb, std::string_view file, std::string_view parameters,
                    std::string_view directory, int showCommand) override {
    requests.push_back({std::string(verb), std::string(file), std::string(parameters),
                        std::string(directory), showCommand});
    return result;
  }

  std::vector<Request> requests;
  int result = 42;
};

}  // namespace platform
