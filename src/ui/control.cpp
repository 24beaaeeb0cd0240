#include "ui/control.h"

#include "ui/application.h"

namespace ui {

void Control::setCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  notify();
}

void Control::setHint(std::string hint) {
  if (hint == hint_) return;
  hint_ = std::move(hint);
  notify();
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  notify();
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  notify();
}

void Control::mouseEnter() {
  if (Application* app = Application::current()) app->setHint(hint_);
  fire(onMouseMove);
}

void Control::mouseLeave() {
  if (Application* app = Application::current()) app->setHint("");
  fire(onMouseLeave);
}

void Control::fire(const std::function<void()>& callback) {
  if (callback) RunHandler(callback);
}

}  // namespace ui
