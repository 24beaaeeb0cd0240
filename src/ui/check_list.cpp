#include "ui/check_list.h"

#include <stdexcept>

#include "ui/application.h"

namespace ui {

const CheckList::Item& CheckList::at(int index) const {
  if (index < 0 || index >= count()) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  }
  return items_[static_cast<std::size_t>(index)];
}

void CheckList::setItems(const std::vector<std::string>& texts) {
  items_.clear();
  for (const std::string& text : texts) items_.push_back({text, false});
  selected_ = -1;
  notify();
}

void CheckList::addItem(std::string text, bool checked) {
  items_.push_back({std::move(text), checked});
  notify();
}

void CheckList::removeItem(int index) {
  at(index);
  items_.erase(items_.begin() + index);
  if (selected_ >= count()) selected_ = count() - 1;
  notify();
}

void CheckList::setItemText(int index, std::string text) {
  at(index);
  items_[static_cast<std::size_t>(index)].text = std::move(text);
  notify();
}

void CheckList::clear() {
  if (items_.empty() && selected_ == -1) return;
  items_.clear();
  selected_ = -1;
  notify();
}

void CheckList::setChecked(int index, bool checked) {
  at(index);
  Item& item = items_[static_cast<std::size_t>(index)];
  if (item.checked == checked) return;
  item.checked = checked;
  notify();
}

void CheckList::setSelectedIndex(int index) {
  if (index != -1) at(index);
  if (index == selected_) return;
  selected_ = index;
  notify();
}

void CheckList::toggle(int index) {
  if (!enabled()) return;
  RunHandler([&] {
    setChecked(index, !checked(index));
    if (onClickCheck) onClickCheck(index);
  });
}

void CheckList::select(int index) {
  if (!enabled()) return;
  RunHandler([&] {
    setSelectedIndex(index);
    if (onClick) onClick();
  });
}

void CheckAll(CheckList& list) {
  for (int i = 0; i < list.count(); ++i) list.setChecked(i, true);
}

void UncheckAll(CheckList& list) {
  for (int i = 0; i < list.count(); ++i) list.setChecked(i, false);
}

}  // namespace ui
