#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/image.h"

namespace qtui {

// Reads picture files of every format Qt's image readers know.
class QtPictures : public ui::Pictures {
 public:
  using PathResolver = std::function<std::optional<std::string>(std::string_view)>;
  explicit QtPictures(PathResolver toUnix) : toUnix_(std::move(toUnix)) {}

  ui::Image Load(const std::string& path) override;

 private:
  PathResolver toUnix_;
};

}  // namespace qtui
