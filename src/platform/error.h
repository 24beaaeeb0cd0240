#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// An error the program reports to the user: its message is shown as it stands in an error box.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Replaces the first "%s" of a message pattern with the given text.
std::string FormatMessage(std::string_view pattern, std::string_view text);

}  // namespace platform
