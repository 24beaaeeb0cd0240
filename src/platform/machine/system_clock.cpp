#include "platform/machine/system_clock.h"

#include <sys/time.h>

#include <algorithm>
#include <ctime>

namespace platform {

SystemTime SystemClock::GetLocalTime() {
  timeval now{};
  gettimeofday(&now, nullptr);
  std::tm local{};
  localtime_r(&now.tv_sec, &local);
  SystemTime time;
  time.wYear = static_cast<std::uint16_t>(local.tm_year + 1900);
  time.wMonth = static_cast<std::uint16_t>(local.tm_mon + 1);
  time.wDayOfWeek = static_cast<std::uint16_t>(local.tm_wday);
  time.wDay = static_cast<std::uint16_t>(local.tm_mday);
  time.wHour = static_cast<std::uint16_t>(local.tm_hour);
  time.wMinute = static_cast<std::uint16_t>(local.tm_min);
  time.wSecond = static_cast<std::uint16_t>(std::min(local.tm_sec, 59));
  time.wMilliseconds = static_cast<std::uint16_t>(now.tv_usec / 1000);
  return time;
}

}  // namespace platform
