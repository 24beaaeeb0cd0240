#include "ui/tree_view.h"

#include <stdexcept>

#include "ui/application.h"

namespace ui {

int TreeView::addNode(std::string text, int parent) {
  if (parent < -1 || parent >= count()) throw std::out_of_range("tree parent out of bounds");
  nodes_.push_back({std::move(text), parent});
  notify();
  return count() - 1;
}

void TreeView::setSelectedIndex(int index) {
  if (index < -1 || index >= count()) throw std::out_of_range("tree index out of bounds");
  if (index == selected_) return;
  selected_ = index;
  notify();
}

void TreeView::click(int index) {
  if (!enabled()) return;
  RunHandler([&] {
    setSelectedIndex(index);
    if (onClick) onClick();
  });
}

}  // namespace ui
