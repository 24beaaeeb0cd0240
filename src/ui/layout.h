#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// A page's layout, declared by the page's owner: boxes, group boxes and captioned panels around
// controls. The renderer lays out any tree; sizes and pictures are its business.
struct LayoutNode {
  enum class Kind { Control, Column, Row, Group, Panel, Stretch, Spacing };

  Kind kind = Kind::Column;
  Control* control = nullptr;  // Kind::Control; Kind::Panel: its ui::Panel
  std::string name;            // Group and Panel: the component name
  std::string caption;         // Group: its title; Panel: its caption bar
  int size = 0;                // Stretch: factor; Spacing: pixels
  std::vector<LayoutNode> children;
};

namespace layout {

LayoutNode item(Control& control);
LayoutNode column(std::vector<LayoutNode> children);
LayoutNode row(std::vector<LayoutNode> children);
LayoutNode group(std::string name, std::string caption, std::vector<LayoutNode> children);
// A panel with its caption bar; `panel` is a ui::Panel.
LayoutNode panel(Control& panel, std::vector<LayoutNode> children);
LayoutNode stretch(int factor = 1);
LayoutNode spacing(int pixels);

}  // namespace layout

// Every control of a layout tree, depth first.
void CollectControls(const LayoutNode& node, std::vector<Control*>& into);

}  // namespace ui
