#pragma once

#include "ui/control.h"

namespace ui {

// A captioned panel of a left-hand page. Its height is part of the model where the program
// changes it.
class Panel : public Control {
 public:
  Panel(std::string name, std::string caption, int height = 0)
      : Control(std::move(name)), height_(height) {
    setCaption(std::move(caption));
  }

  // 0: as high as its content.
  int height() const { return height_; }
  void setHeight(int height) {
    if (height == height_) return;
    height_ = height;
    notify();
  }

 private:
  int height_;
};

}  // namespace ui
