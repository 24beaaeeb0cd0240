#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// A tree whose nodes are numbered from the top, children right after their parent.
class TreeView : public Control {
 public:
  explicit TreeView(std::string name) : Control(std::move(name)) {}

  struct Node {
    std::string text;
    int parent = -1;
  };

  // Adds a node after every node so far; its parent must come before it.
  int addNode(std::string text, int parent = -1);
  const std::vector<Node>& nodes() const { return nodes_; }
  int count() const { return static_cast<int>(nodes_.size()); }

  // -1 when no node is selected.
  int selectedIndex() const { return selected_; }
  void setSelectedIndex(int index);

  // The user clicks a node: it becomes selected, then onClick runs.
  void click(int index);
  std::function<void()> onClick;

 private:
  std::vector<Node> nodes_;
  int selected_ = -1;
};

}  // namespace ui
