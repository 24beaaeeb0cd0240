#pragma once

#include <string_view>

namespace platform {

constexpr int SW_SHOWNORMAL = 1;

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document, folder or address with its associated program. A result above 32 means
  // success, as on Windows.
  virtual int ShellExecuteA(std::string_view verb, std::string_view file,
                            std::string_view parameters, std::string_view directory,
                            int showCommand) = 0;
};

}  // namespace platform
