#include "ui/window.h"

#include "ui/application.h"

namespace ui {

Window::Window(std::string name, int width, int height)
    : Control(std::move(name)), width_(width), height_(height) {
  setVisible(false);
}

void Window::setTaskbarButton(bool shown) {
  if (shown == taskbarButton_) return;
  taskbarButton_ = shown;
  notify();
}

void Window::setState(WindowState state) {
  if (state == state_) return;
  state_ = state;
  setVisible(state_ == WindowState::Normal || state_ == WindowState::Minimized);
  notify();
}

void Window::show() {
  if (state_ == WindowState::Hidden) setState(WindowState::Normal);
}

void Window::hide() {
  if (state_ != WindowState::Closed) setState(WindowState::Hidden);
}

void Window::minimize() {
  if (state_ == WindowState::Closed) return;
  setState(WindowState::Minimized);
  fire(onMinimize);
}

void Window::restore() {
  if (state_ == WindowState::Minimized) setState(WindowState::Normal);
}

void Window::close() {
  if (state_ == WindowState::Closed) return;
  bool canClose = true;
  bool completed = false;
  RunHandler([&] {
    if (onCloseQuery) onCloseQuery(canClose);
    completed = true;
  });
  if (!completed || !canClose) return;
  setState(WindowState::Closed);
  closed.emit();
}

}  // namespace ui
