#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

// A picture in memory: rows from the top, each pixel 0xAARRGGBB.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const Image&) const = default;
};

// Reads picture files. The renderer reads every format its toolkit knows; tests script it.
class Pictures {
 public:
  virtual ~Pictures() = default;
  // Raises an error with the picture's own message when the file is not a picture it can read.
  virtual Image Load(const std::string& path) = 0;
};

}  // namespace ui
