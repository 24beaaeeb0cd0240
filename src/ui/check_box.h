#pragma once

#include <functional>

#include "ui/control.h"

namespace ui {

class CheckBox : public Control {
 public:
  explicit CheckBox(std::string name, std::string caption = {});

  bool checked() const { return checked_; }
  // A change of state runs onClick, whether the user or the program made it.
  void setChecked(bool checked);
  // The user clicks the box.
  void toggle();

  std::function<void()> onClick;

 private:
  bool checked_ = false;
};

}  // namespace ui
