#include "qt/qt_pump.h"

#include <QCoreApplication>

namespace qtui {

void QtPump::ProcessMessages() {
  QCoreApplication::processEvents();
}

}  // namespace qtui
