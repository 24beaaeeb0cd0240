#include "ui/list_view.h"

#include <stdexcept>

#include "ui/application.h"

namespace ui {

void ListView::setColumns(std::vector<ListColumn> columns) {
  columns_ = std::move(columns);
  notify();
}

void ListView::setCheckBoxes(bool checkBoxes) {
  if (checkBoxes == checkBoxes_) return;
  checkBoxes_ = checkBoxes;
  notify();
}

void ListView::setViewStyle(ListViewStyle style) {
  if (style == style_) return;
  style_ = style;
  notify();
}

void ListView::setIconNames(std::vector<std::string> names) {
  iconNames_ = std::move(names);
  notify();
}

const ListRow& ListView::row(int index) const {
  if (index < 0 || index >= rowCount()) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  }
  return rows_[static_cast<std::size_t>(index)];
}

ListRow& ListView::rowAt(int index) {
  return const_cast<ListRow&>(row(index));
}

void ListView::announceReset() {
  if (updating_ > 0) {
    resetPending_ = true;
  } else {
    rowsReset.emit();
  }
}

int ListView::addRow(ListRow row) {
  int index = rowCount();
  insertRow(index, std::move(row));
  return index;
}

void ListView::insertRow(int index, ListRow row) {
  if (index < 0 || index > rowCount()) throw std::out_of_range("List index out of bounds");
  rows_.insert(rows_.begin() + index, std::move(row));
  if (selected_ >= index) ++selected_;
  if (updating_ > 0) {
    resetPending_ = true;
  } else {
    rowsInserted.emit(index, 1);
  }
}

void ListView::insertRows(int index, std::vector<ListRow> rows) {
  if (index < 0 || index > rowCount()) throw std::out_of_range("List index out of bounds");
  if (rows.empty()) return;
  const int count = static_cast<int>(rows.size());
  rows_.insert(rows_.begin() + index, std::make_move_iterator(rows.begin()),
               std::make_move_iterator(rows.end()));
  if (selected_ >= index) selected_ += count;
  if (updating_ > 0) {
    resetPending_ = true;
  } else {
    rowsInserted.emit(index, count);
  }
}

void ListView::removeRow(int index) {
  row(index);
  rows_.erase(rows_.begin() + index);
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
  if (updating_ > 0) {
    resetPending_ = true;
  } else {
    rowsRemoved.emit(index, 1);
  }
}

void ListView::setRow(int index, ListRow row) {
  rowAt(index) = std::move(row);
  if (updating_ > 0) {
    resetPending_ = true;
  } else {
    rowChanged.emit(index);
  }
}

void ListView::clear() {
  if (rows_.empty()) return;
  rows_.clear();
  selected_ = -1;
  announceReset();
}

void ListView::setChecked(int index, bool checked) {
  ListRow& target = rowAt(index);
  if (target.checked == checked) return;
  target.checked = checked;
  if (updating_ > 0) {
    resetPending_ = true;
  } else {
    rowChanged.emit(index);
  }
}

void ListView::endUpdate() {
  if (updating_ == 0) throw std::logic_error("endUpdate without beginUpdate");
  if (--updating_ == 0 && resetPending_) {
    resetPending_ = false;
    rowsReset.emit();
  }
}

void ListView::setSelectedIndex(int index) {
  if (index != -1) row(index);
  if (index == selected_) return;
  selected_ = index;
  notify();
}

void ListView::toggle(int index) {
  if (!enabled()) return;
  RunHandler([&] {
    setChecked(index, !checked(index));
    if (onItemChecked) onItemChecked(index);
  });
}

void ListView::select(int index) {
  if (!enabled()) return;
  RunHandler([&] {
    setSelectedIndex(index);
    if (onSelect) onSelect();
  });
}

void ListView::activate(int index) {
  if (!enabled()) return;
  RunHandler([&] {
    setSelectedIndex(index);
    if (onActivate) onActivate(index);
  });
}

}  // namespace ui

namespace ui {

void ListView::openContextMenu(int index) {
  if (!enabled() || contextMenu == nullptr) return;
  if (index >= 0) setSelectedIndex(index);
  contextMenu->popupAtCursor();
}

}  // namespace ui
