#pragma once

#include <functional>
#include <string>

#include "ui/signal.h"

namespace ui {

// A control of the widget model: a name, its visible state and its callbacks. State changes
// notify `changed`, so a renderer can mirror them; user actions enter through the methods a test
// calls too (click, toggle, type ...), which run the callbacks as top-level handlers.
class Control {
 public:
  explicit Control(std::string name) : name_(std::move(name)) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }

  // The caption of buttons, labels, check boxes and windows; the text of edit fields.
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  const std::string& hint() const { return hint_; }
  void setHint(std::string hint);

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);

  bool visible() const { return visible_; }
  void setVisible(bool visible);

  // The mouse entered or left the control: its hint becomes the application's hint, and the
  // hover callbacks run.
  void mouseEnter();
  void mouseLeave();

  std::function<void()> onMouseMove;
  std::function<void()> onMouseLeave;

  Signal<> changed;

 protected:
  void notify() { changed.emit(); }
  // Runs a callback as a handler, when it is set.
  static void fire(const std::function<void()>& callback);

 private:
  std::string name_;
  std::string caption_;
  std::string hint_;
  bool enabled_ = true;
  bool visible_ = true;
};

}  // namespace ui
