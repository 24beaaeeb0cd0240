#pragma once

#include <functional>

#include "ui/control.h"
#include "ui/layout.h"

namespace ui {

enum class WindowState { Hidden, Normal, Minimized, Closed };

enum class WindowPlacement { ScreenCenter, OwnerCenter };

// A top-level window. The caption is the control's caption.
class Window : public Control {
 public:
  Window(std::string name, int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  WindowPlacement placement() const { return placement_; }
  void setPlacement(WindowPlacement placement) { placement_ = placement; }

  WindowState state() const { return state_; }
  bool showing() const { return state_ == WindowState::Normal; }
  // Whether the window has a button on the task bar while it is not hidden.
  bool taskbarButton() const { return taskbarButton_; }
  void setTaskbarButton(bool shown);

  // Shows a hidden window; a minimized one stays minimized.
  void show();
  void hide();
  // Minimizes the window (the user's minimize command enters here too); onMinimize runs after.
  void minimize();
  // A minimized window becomes normal again.
  void restore();
  // Marks the state without acting on it (a window that starts minimized).
  void setState(WindowState state);
  void bringToFront() { broughtToFront.emit(); }

  // The user or the program closes the window: onCloseQuery may refuse; an error it raises is
  // shown and abandons the close. Closed windows stay closed.
  void close();

  std::function<void(bool& canClose)> onCloseQuery;
  std::function<void()> onMinimize;
  Signal<> broughtToFront;
  Signal<> closed;

  // The content of a window the renderer lays out from its tree.
  LayoutNode content;

 private:
  int width_;
  int height_;
  WindowPlacement placement_ = WindowPlacement::ScreenCenter;
  WindowState state_ = WindowState::Hidden;
  bool taskbarButton_ = true;
};

}  // namespace ui
