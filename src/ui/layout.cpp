#include "ui/layout.h"

namespace ui {
namespace layout {

LayoutNode item(Control& control) {
  LayoutNode node;
  node.kind = LayoutNode::Kind::Control;
  node.control = &control;
  return node;
}

LayoutNode column(std::vector<LayoutNode> children) {
  LayoutNode node;
  node.kind = LayoutNode::Kind::Column;
  node.children = std::move(children);
  return node;
}

LayoutNode row(std::vector<LayoutNode> children) {
  LayoutNode node;
  node.kind = LayoutNode::Kind::Row;
  node.children = std::move(children);
  return node;
}

LayoutNode group(std::string name, std::string caption, std::vector<LayoutNode> children) {
  LayoutNode node;
  node.kind = LayoutNode::Kind::Group;
  node.name = std::move(name);
  node.caption = std::move(caption);
  node.children = std::move(children);
  return node;
}

LayoutNode panel(Control& panel, std::vector<LayoutNode> children) {
  LayoutNode node;
  node.kind = LayoutNode::Kind::Panel;
  node.control = &panel;
  node.name = panel.name();
  node.caption = panel.caption();
  node.children = std::move(children);
  return node;
}

LayoutNode stretch(int factor) {
  LayoutNode node;
  node.kind = LayoutNode::Kind::Stretch;
  node.size = factor;
  return node;
}

LayoutNode spacing(int pixels) {
  LayoutNode node;
  node.kind = LayoutNode::Kind::Spacing;
  node.size = pixels;
  return node;
}

}  // namespace layout

void CollectControls(const LayoutNode& node, std::vector<Control*>& into) {
  if (node.control) into.push_back(node.control);
  for (const LayoutNode& child : node.children) CollectControls(child, into);
}

}  // namespace ui
