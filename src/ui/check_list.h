#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// A list of items with check marks.
class CheckList : public Control {
 public:
  explicit CheckList(std::string name) : Control(std::move(name)) {}

  struct Item {
    std::string text;
    bool checked = false;
  };

  const std::vector<Item>& items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }
  const std::string& text(int index) const { return at(index).text; }
  bool checked(int index) const { return at(index).checked; }

  // Replaces the items, all unmarked.
  void setItems(const std::vector<std::string>& texts);
  void addItem(std::string text, bool checked = false);
  void removeItem(int index);
  // Replaces an item's text; it keeps its place and its mark.
  void setItemText(int index, std::string text);
  void clear();
  // Marks or unmarks one item; the program's own changes run no callback.
  void setChecked(int index, bool checked);

  // -1 when nothing is selected.
  int selectedIndex() const { return selected_; }
  void setSelectedIndex(int index);

  // The user clicks an item's box: its mark flips, then onClickCheck runs.
  void toggle(int index);
  // The user selects an item: onClick runs.
  void select(int index);

  std::function<void(int)> onClickCheck;
  std::function<void()> onClick;

 private:
  const Item& at(int index) const;

  std::vector<Item> items_;
  int selected_ = -1;
};

// Marks, or unmarks, every item of a list, first to last.
void CheckAll(CheckList& list);
void UncheckAll(CheckList& list);

}  // namespace ui
