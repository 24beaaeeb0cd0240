#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qtui {

// Where a control's widget stands: in a column it may wrap its text and grow across; in a row
// it keeps to one line.
enum class Placement { InColumn, InRow };

struct BuildOptions {
  // The Unix path of a picture file given as a Windows path; without it, or when it gives
  // nothing, file pictures stay empty.
  std::function<std::optional<std::string>(std::string_view)> resolvePicture;
};

}  // namespace qtui
