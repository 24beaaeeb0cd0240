#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class MenuItem : public Control {
 public:
  // A caption of "-" makes a separator.
  MenuItem(std::string name, std::string caption) : Control(std::move(name)) {
    setCaption(std::move(caption));
  }
  bool separator() const { return caption() == "-"; }

  // The user chooses the item.
  void click() {
    if (enabled() && visible() && !separator()) fire(onClick);
  }
  std::function<void()> onClick;
};

class PopupMenu : public Control {
 public:
  explicit PopupMenu(std::string name) : Control(std::move(name)) {}

  MenuItem& addItem(std::string name, std::string caption);
  const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
  MenuItem& item(std::string_view name) const;

  // Opens the menu at the mouse cursor (the renderer knows where that is).
  void popupAtCursor() { popupRequested.emit(); }
  Signal<> popupRequested;

 private:
  std::vector<std::unique_ptr<MenuItem>> items_;
};

}  // namespace ui
