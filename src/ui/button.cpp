#include "ui/button.h"

#include <stdexcept>

namespace ui {

Button::Button(std::string name, std::string caption, std::string hint) : Control(std::move(name)) {
  setCaption(std::move(caption));
  setHint(std::move(hint));
}

void Button::setPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  notify();
}

void Button::click() {
  if (!enabled() || !visible()) return;
  if (group_ && group_->radio()) group_->press(*this);
  fire(onClick);
}

void ButtonGroup::add(Button& button) {
  if (button.group_) throw std::logic_error("button " + button.name() + " is already grouped");
  button.group_ = this;
  buttons_.push_back(&button);
}

void ButtonGroup::press(Button& button) {
  if (button.group_ != this) throw std::logic_error(button.name() + " is not in " + name_);
  for (Button* member : buttons_) {
    if (radio_) member->setPressed(member == &button);
  }
  if (!radio_) button.setPressed(true);
}

Button* ButtonGroup::pressedButton() const {
  for (Button* member : buttons_) {
    if (member->pressed()) return member;
  }
  return nullptr;
}

}  // namespace ui
