#pragma once

#include <cstdint>

namespace platform {

// Windows' SYSTEMTIME: calendar fields of a moment.
struct SystemTime {
  std::uint16_t wYear = 0;
  std::uint16_t wMonth = 0;
  std::uint16_t wDayOfWeek = 0;
  std::uint16_t wDay = 0;
  std::uint16_t wHour = 0;
  std::uint16_t wMinute = 0;
  std::uint16_t wSecond = 0;
  std::uint16_t wMilliseconds = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual SystemTime GetLocalTime() = 0;
};

}  // namespace platform
