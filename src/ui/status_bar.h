#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// One pane of a status bar: the one-line progress display long operations write to. A new text
// is painted at once, so it shows while the work goes on.
class StatusPane : public Control {
 public:
  StatusPane(std::string name, int width) : Control(std::move(name)), width_(width) {}

  const std::string& text() const { return caption(); }
  void setText(std::string text) { setCaption(std::move(text)); }
  // 0: takes the room that is left.
  int width() const { return width_; }

 private:
  int width_;
};

class StatusBar : public Control {
 public:
  explicit StatusBar(std::string name) : Control(std::move(name)) {}

  StatusPane& addPane(std::string name, int width);
  const std::vector<std::unique_ptr<StatusPane>>& panes() const { return panes_; }

 private:
  std::vector<std::unique_ptr<StatusPane>> panes_;
};

}  // namespace ui
