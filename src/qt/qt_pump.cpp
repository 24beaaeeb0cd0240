#include "qt/qt_pump.h"

#include <QCoreApplication>

namespace qtui {

bool TimeForAnother(std::chrono::steady_clock::time_point& last) {
  constexpr auto kInterval = std::chrono::milliseconds(15);
  const auto now = std::chrono::steady_clock::now();
  if (now - last < kInterval) return false;
  last = now;
  return true;
}

void QtPump::ProcessMessages() {
  if (TimeForAnother(last_)) QCoreApplication::processEvents();
}

}  // namespace qtui
