#pragma once

#include <functional>
#include <vector>

#include "ui/control.h"

namespace ui {

class ButtonGroup;

// A push or picture button. In a radio group it shows pressed until another of the group is.
class Button : public Control {
 public:
  explicit Button(std::string name, std::string caption = {}, std::string hint = {});

  bool pressed() const { return pressed_; }
  void setPressed(bool pressed);
  ButtonGroup* group() const { return group_; }

  // The user clicks: a button of a radio group becomes the pressed one, then onClick runs.
  // Disabled or hidden buttons take no clicks.
  void click();

  std::function<void()> onClick;

 private:
  friend class ButtonGroup;
  bool pressed_ = false;
  ButtonGroup* group_ = nullptr;
};

// A named group of buttons; a radio group keeps exactly one of them pressed.
class ButtonGroup {
 public:
  ButtonGroup(std::string name, bool radio) : name_(std::move(name)), radio_(radio) {}
  ButtonGroup(const ButtonGroup&) = delete;
  ButtonGroup& operator=(const ButtonGroup&) = delete;

  const std::string& name() const { return name_; }
  bool radio() const { return radio_; }
  const std::vector<Button*>& buttons() const { return buttons_; }

  void add(Button& button);
  // Shows `button` pressed and the others of a radio group released.
  void press(Button& button);
  Button* pressedButton() const;

 private:
  std::string name_;
  bool radio_;
  std::vector<Button*> buttons_;
};

}  // namespace ui
