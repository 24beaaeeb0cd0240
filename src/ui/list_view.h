#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/popup_menu.h"

namespace ui {

struct ListColumn {
  std::string caption;
  int width = 100;
  bool alignRight = false;
};

struct ListRow {
  std::vector<std::string> cells;  // the caption, then one text per further column
  bool checked = false;
  int imageIndex = -1;       // into the list's icon names
  std::string data;          // what the row stands for, for the program's own use
  std::uint64_t number = 0;  // a number the program keeps with the row
};

enum class ListViewStyle { Report, Icon, SmallIcon, List };

// A list of rows with columns, check boxes and icons. Row changes are announced one by one, or
// as one reset after an update, so a renderer can keep a million rows cheap.
class ListView : public Control {
 public:
  explicit ListView(std::string name) : Control(std::move(name)) {}

  const std::vector<ListColumn>& columns() const { return columns_; }
  void setColumns(std::vector<ListColumn> columns);
  bool checkBoxes() const { return checkBoxes_; }
  void setCheckBoxes(bool checkBoxes);
  ListViewStyle viewStyle() const { return style_; }
  void setViewStyle(ListViewStyle style);
  // Icons by their freedesktop.org icon names; rows refer to them by index.
  const std::vector<std::string>& iconNames() const { return iconNames_; }
  void setIconNames(std::vector<std::string> names);

  int rowCount() const { return static_cast<int>(rows_.size()); }
  const ListRow& row(int index) const;
  const std::vector<ListRow>& rows() const { return rows_; }
  int addRow(ListRow row);
  void insertRow(int index, ListRow row);
  // Inserts several rows at once, announced as one change.
  void insertRows(int index, std::vector<ListRow> rows);
  void removeRow(int index);
  void setRow(int index, ListRow row);
  void clear();
  void setChecked(int index, bool checked);
  bool checked(int index) const { return row(index).checked; }

  // Between begin and end, row changes are announced once, as a reset, at the end.
  void beginUpdate() { ++updating_; }
  void endUpdate();

  int selectedIndex() const { return selected_; }
  void setSelectedIndex(int index);

  // The user clicks a row's box: its mark flips, then onItemChecked runs.
  void toggle(int index);
  // The user selects a row (-1: clears the selection), then onSelect runs.
  void select(int index);
  // The user double-clicks a row.
  void activate(int index);
  // The user asks for the list's pop-up menu over a row (-1: over no row): the row becomes the
  // selected one and the menu opens.
  void openContextMenu(int index);

  // The list's pop-up menu, if it has one.
  PopupMenu* contextMenu = nullptr;

  std::function<void(int)> onItemChecked;
  std::function<void()> onSelect;
  std::function<void(int)> onActivate;

  Signal<int, int> rowsInserted;  // first, count
  Signal<int, int> rowsRemoved;   // first, count
  Signal<int> rowChanged;
  Signal<> rowsReset;

 private:
  ListRow& rowAt(int index);
  void announceReset();

  std::vector<ListColumn> columns_;
  bool checkBoxes_ = false;
  ListViewStyle style_ = ListViewStyle::Report;
  std::vector<std::string> iconNames_;
  std::vector<ListRow> rows_;
  int selected_ = -1;
  int updating_ = 0;
  bool resetPending_ = false;
};

}  // namespace ui
