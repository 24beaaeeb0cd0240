#include "platform/error.h"

namespace platform {

std::string FormatMessage(std::string_view pattern, std::string_view text) {
  std::string result(pattern);
  if (auto at = result.find("%s"); at != std::string::npos) result.replace(at, 2, text);
  return result;
}

}  // namespace platform
