#include "ui/status_bar.h"

namespace ui {

StatusPane& StatusBar::addPane(std::string name, int width) {
  panes_.push_back(std::make_unique<StatusPane>(std::move(name), width));
  notify();
  return *panes_.back();
}

}  // namespace ui
