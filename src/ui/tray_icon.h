#pragma once

#include <functional>

#include "ui/control.h"

namespace ui {

// The notification-area icon. Its hint is the control's hint.
class TrayIcon : public Control {
 public:
  explicit TrayIcon(std::string name) : Control(std::move(name)) { setVisible(false); }

  // While on, minimizing the application sends it to the tray instead of the task bar.
  bool minimizeToTray() const { return minimizeToTray_; }
  void setMinimizeToTray(bool on) {
    if (on == minimizeToTray_) return;
    minimizeToTray_ = on;
    notify();
  }

  // The user double-clicks the icon.
  void doubleClick() { fire(onDblClick); }
  std::function<void()> onDblClick;

 private:
  bool minimizeToTray_ = false;
};

}  // namespace ui
