#include "ui/check_box.h"

#include "ui/application.h"

namespace ui {

CheckBox::CheckBox(std::string name, std::string caption) : Control(std::move(name)) {
  setCaption(std::move(caption));
}

void CheckBox::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  notify();
  fire(onClick);
}

void CheckBox::toggle() {
  if (enabled() && visible()) RunHandler([this] { setChecked(!checked_); });
}

}  // namespace ui
