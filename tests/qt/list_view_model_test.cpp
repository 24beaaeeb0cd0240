
#include <QItemSelectionModel>
#include <QTreeView>
#include <memory>

#include "qt/list_view_model.h"
#include "qt/list_view_widget.h"
#include "qt_app.h"
#include "ui/list_view.h"

namespace {

ui::ListRow Row(std::string name, std::string size, bool checked = false) {
  ui::ListRow row;
  row.cells = {std::move(name), std::move(size)};
  row.checked = checked;
  return row;
}

// Counts what Qt's views hear from the model.
struct Announcements {
  explicit Announcements(QAbstractItemModel& model) {
    QObject::connect(&model, &QAbstractItemModel::rowsInserted,
                     [this](const QModelIndex&, int first, int last) {
                       inserted.push_back({first, last});
                     });
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved,
                     [this](const QModelIndex&, int first, int last) {
                       removed.push_back({first, last});
                     });
    QObject::connect(
        &model, &QAbstractItemModel::dataChanged,
        [this](const QModelIndex& from, const QModelIndex&) { changed.push_back(from.row()); });
    QObject::connect(&model, &QAbstractItemModel::modelReset, [this] { ++resets; });
  }
  std::vector<std::pair<int, int>> inserted, removed;
  std::vector<int> changed;
  int resets = 0;
};

class ListViewModelTest : public qt_testing::QtTest {
 protected:
  ListViewModelTest() {
    list.setColumns({{"Name", 200}, {"Size", 80, true}});
    list.setCheckBoxes(true);
    heard.resets = 0;  // the set-up's own
  }

  ui::ListView list{"lvFiles"};
  qtui::ListViewModel model{list};
  Announcements heard{model};
};

TEST_F(ListViewModelTest, RowsAddedOneByOneAreInsertedWhereTheyGo) {
  list.addRow(Row("b.tmp", "4"));
  list.addRow(Row("c.tmp", "8", true));
  list.insertRow(0, Row("a.tmp", "1"));
  EXPECT_EQ(heard.inserted, (std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {0, 0}}));
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.columnCount(), 2);
  EXPECT_EQ(model.data(model.index(0, 0)).toString(), "a.tmp");
  EXPECT_EQ(model.data(model.index(2, 1)).toString(), "8");
  EXPECT_EQ(model.data(model.index(2, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_EQ(model.data(model.index(0, 0), Qt::CheckStateRole).toInt(), Qt::Unchecked);
  EXPECT_FALSE(model.data(model.index(0, 1), Qt::CheckStateRole).isValid());
  EXPECT_TRUE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsUserCheckable));
  EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Size");
  EXPECT_EQ(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt(),
            int(Qt::AlignRight | Qt::AlignVCenter));

  list.removeRow(1);
  EXPECT_EQ(heard.removed, (std::vector<std::pair<int, int>>{{1, 1}}));
  EXPECT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.data(model.index(1, 0)).toString(), "c.tmp");
}

TEST_F(ListViewModelTest, ABatchIsOneReset) {
  list.beginUpdate();
  for (int i = 0; i < 10000; ++i) list.addRow(Row("f" + std::to_string(i), "1"));
  EXPECT_EQ(model.rowCount(), 0);  // Qt hears nothing until the batch ends
  list.endUpdate();
  EXPECT_EQ(heard.resets, 1);
  EXPECT_TRUE(heard.inserted.empty());
  ASSERT_EQ(model.rowCount(), 10000);
  EXPECT_EQ(model.data(model.index(9999, 0)).toString(), "f9999");

  list.clear();
  EXPECT_EQ(heard.resets, 2);
  EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(ListViewModelTest, TickingABoxIsTheUsersToggle) {
  list.addRow(Row("a.tmp", "1"));
  list.addRow(Row("b.tmp", "2"));
  std::vector<int> toggled;
  list.onItemChecked = [&](int index) { toggled.push_back(index); };

  EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
  EXPECT_TRUE(list.checked(1));
  EXPECT_EQ(toggled, std::vector<int>{1});
  EXPECT_EQ(heard.changed, std::vector<int>{1});
  // Asking for the state a row already has is no click.
  EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
  EXPECT_EQ(toggled.size(), 1u);

  list.setEnabled(false);
  EXPECT_FALSE(model.setData(model.index(0, 0), Qt::Checked, Qt::CheckStateRole));
  EXPECT_FALSE(list.checked(0));
}

TEST_F(ListViewModelTest, TheProgramsOwnChangesShow) {
  list.addRow(Row("a.tmp", "1"));
  list.setChecked(0, true);
  EXPECT_EQ(model.data(model.index(0, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
  list.setRow(0, Row("renamed.tmp", "3"));
  EXPECT_EQ(model.data(model.index(0, 0)).toString(), "renamed.tmp");
  EXPECT_EQ(heard.changed, (std::vector<int>{0, 0}));

  list.setColumns({{"Only", 100}});
  EXPECT_EQ(heard.resets, 1);
  EXPECT_EQ(model.columnCount(), 1);
  list.setCheckBoxes(false);
  EXPECT_FALSE(model.data(model.index(0, 0), Qt::CheckStateRole).isValid());
}

TEST_F(ListViewModelTest, TheWidgetSelectsAndActivatesThroughTheModel) {
  for (const char* name : {"a", "b", "c"}) list.addRow(Row(name, "1"));
  std::unique_ptr<QTreeView> view(qtui::MakeListViewWidget(list, nullptr));
  EXPECT_EQ(view->objectName(), "lvFiles");
  EXPECT_TRUE(view->uniformRowHeights());
  EXPECT_EQ(view->columnWidth(0), 200);

  view->selectionModel()->setCurrentIndex(view->model()->index(2, 0),
                                          QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(list.selectedIndex(), 2);
  list.setSelectedIndex(1);
  EXPECT_EQ(view->currentIndex().row(), 1);

  int activated = -1;
  list.onActivate = [&](int index) { activated = index; };
  Q_EMIT view->doubleClicked(view->model()->index(0, 1));
  EXPECT_EQ(activated, 0);
  EXPECT_EQ(list.selectedIndex(), 0);
  EXPECT_EQ(view->currentIndex().row(), 0);
}

}  // namespace
