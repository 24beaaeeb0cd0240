#pragma once

#include <QSystemTrayIcon>

#include "ui/signal.h"
#include "ui/tray_icon.h"

namespace qtui {

// The notification-area icon: drawn, hinted and shown as the model says; a double-click is
// the model's. It has no menu.
class TrayIconView : public QObject {
 public:
  TrayIconView(ui::TrayIcon& tray, QObject* parent);

  QSystemTrayIcon& icon() { return icon_; }

 private:
  void apply();

  ui::TrayIcon& tray_;
  QSystemTrayIcon icon_;
  ui::Connection connection_;
};

}  // namespace qtui
