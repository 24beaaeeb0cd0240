#include "ui/popup_menu.h"

#include <stdexcept>

namespace ui {

MenuItem& PopupMenu::addItem(std::string name, std::string caption) {
  items_.push_back(std::make_unique<MenuItem>(std::move(name), std::move(caption)));
  notify();
  return *items_.back();
}

MenuItem& PopupMenu::item(std::string_view name) const {
  for (const auto& entry : items_) {
    if (entry->name() == name) return *entry;
  }
  throw std::logic_error("no menu item " + std::string(name));
}

}  // namespace ui
