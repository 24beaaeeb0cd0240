#pragma once

#include <functional>

#include "ui/control.h"

namespace ui {

// How the renderer dresses a label; its font state is the model's own.
enum class LabelTone {
  Normal,
  Heading,  // page headers and titles
  Link,     // an address: blue, hand cursor
  Hot,      // clickable text in the page's own colour, hand cursor
};

class Label : public Control {
 public:
  explicit Label(std::string name, std::string text = {}, LabelTone tone = LabelTone::Normal);

  bool bold() const { return bold_; }
  void setBold(bool bold);
  bool underline() const { return underline_; }
  void setUnderline(bool underline);
  LabelTone tone() const { return tone_; }
  void setTone(LabelTone tone);

  // The user clicks the label.
  void click();
  std::function<void()> onClick;

 private:
  bool bold_ = false;
  bool underline_ = false;
  LabelTone tone_;
};

}  // namespace ui
