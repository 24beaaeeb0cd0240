#include <gtest/gtest.h>

#include <memory>

#include "platform/error.h"
#include "support/counting_pump.h"
#include "support/scripted_dialogs.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit_field.h"
#include "ui/list_view.h"
#include "ui/notebook.h"
#include "ui/window.h"

namespace {

using testing_support::CountingPump;
using testing_support::ScriptedDialogs;

ui::ListRow Row(std::string caption) {
  ui::ListRow row;
  row.cells = {std::move(caption)};
  return row;
}

class WidgetModel : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  CountingPump pump;
  ui::Application application{dialogs, pump, "Title"};
};

TEST_F(WidgetModel, AnErrorEndsItsHandlerAtTheTopLevelOnly) {
  ui::Button outer("outer");
  ui::Button inner("inner");
  std::vector<std::string> steps;
  inner.onClick = [&] {
    steps.push_back("inner");
    throw platform::Error("broken");
  };
  outer.onClick = [&] {
    steps.push_back("outer");
    inner.click();
    steps.push_back("after inner");
  };

  outer.click();

  EXPECT_EQ(steps, (std::vector<std::string>{"outer", "inner"}));
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "broken");
  EXPECT_EQ(dialogs.boxes[0].caption, "Title");
  EXPECT_EQ(dialogs.boxes[0].flags, ui::kErrorFlags);

  // The program goes on: the next click runs normally.
  inner.onClick = [&] { steps.push_back("again"); };
  outer.click();
  EXPECT_EQ(steps.back(), "after inner");
}

TEST_F(WidgetModel, HandlersStartedByPendingMessagesAreTopLevelOfTheirOwn) {
  ui::Button scan("scan");
  ui::Button stop("stop");
  bool scanFinished = false;
  stop.onClick = [] { throw platform::Error("stop failed"); };
  pump.pending = [&] { stop.click(); };
  scan.onClick = [&] {
    application.ProcessMessages();
    scanFinished = true;
  };

  scan.click();

  EXPECT_TRUE(scanFinished);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "stop failed");
}

TEST_F(WidgetModel, ARadioGroupKeepsOneButtonPressed) {
  ui::ButtonGroup group("bg", true);
  ui::Button a("a"), b("b"), c("c");
  for (ui::Button* button : {&a, &b, &c}) group.add(*button);
  group.press(a);

  b.click();
  EXPECT_FALSE(a.pressed());
  EXPECT_TRUE(b.pressed());
  EXPECT_EQ(group.pressedButton(), &b);

  c.setEnabled(false);
  c.click();
  EXPECT_EQ(group.pressedButton(), &b);
}

TEST_F(WidgetModel, CheckBoxRunsItsClickRuleForEveryChangeOfState) {
  ui::CheckBox box("chk");
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  box.setChecked(false);
  EXPECT_EQ(clicks, 0);
  box.setChecked(true);
  box.toggle();
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(box.checked());
}

TEST_F(WidgetModel, NotebookAnnouncesRealPageChangesOnly) {
  ui::Notebook book("nb");
  book.addPage("one");
  book.addPage("two");
  int changes = 0;
  book.onPageChanged = [&] { ++changes; };
  EXPECT_EQ(book.activeName(), "one");

  book.setActivePage("one");
  book.setActivePage("two");
  EXPECT_EQ(changes, 1);
  EXPECT_THROW(book.setActivePage("three"), std::logic_error);
}

TEST_F(WidgetModel, ListViewAnnouncesRowsOneByOneOrAsOneResetInAnUpdate) {
  ui::ListView list("lv");
  std::vector<std::string> events;
  auto inserted = list.rowsInserted.connect([&](int first, int count) {
    events.push_back("insert " + std::to_string(first) + "+" + std::to_string(count));
  });
  auto removed = list.rowsRemoved.connect(
      [&](int first, int) { events.push_back("remove " + std::to_string(first)); });
  auto reset = list.rowsReset.connect([&] { events.push_back("reset"); });

  list.addRow(Row("a"));
  list.addRow(Row("b"));
  list.select(1);
  list.removeRow(0);
  EXPECT_EQ(list.selectedIndex(), 0);
  list.beginUpdate();
  for (int i = 0; i < 1000; ++i) list.addRow(Row("x"));
  list.setChecked(5, true);
  list.endUpdate();

  EXPECT_EQ(events, (std::vector<std::string>{"insert 0+1", "insert 1+1", "remove 0", "reset"}));
  EXPECT_EQ(list.rowCount(), 1001);
  EXPECT_TRUE(list.checked(5));
}

TEST_F(WidgetModel, AConnectionEndsDeliveryAndMayOutliveItsControl) {
  int calls = 0;
  ui::Button live("live");
  ui::Connection connection = live.changed.connect([&] { ++calls; });
  live.setCaption("x");
  connection.reset();
  live.setCaption("y");
  EXPECT_EQ(calls, 1);

  {
    auto button = std::make_unique<ui::Button>("b");
    connection = button->changed.connect([&] { ++calls; });
  }
  connection.reset();  // the sanitizer build shows this touches nothing of the dead button
  EXPECT_EQ(calls, 1);
}

TEST_F(WidgetModel, ARefusedCloseKeepsTheWindowOpen) {
  ui::Window window("w", 100, 100);
  window.show();
  bool allow = false;
  window.onCloseQuery = [&](bool& canClose) { canClose = allow; };
  window.close();
  EXPECT_TRUE(window.showing());

  window.onCloseQuery = [](bool&) { throw platform::Error("busy"); };
  window.close();
  EXPECT_TRUE(window.showing());
  EXPECT_EQ(dialogs.errors().size(), 1u);

  window.onCloseQuery = nullptr;
  window.close();
  EXPECT_EQ(window.state(), ui::WindowState::Closed);
}

TEST_F(WidgetModel, MemoSplitsTypedTextAtEveryKindOfLineBreak) {
  ui::Memo memo("memo");
  memo.type("one\r\ntwo\nthree\rfour\r\n");
  EXPECT_EQ(memo.lines(), (std::vector<std::string>{"one", "two", "three", "four"}));
  EXPECT_EQ(memo.text(), "one\r\ntwo\r\nthree\r\nfour");
  memo.type("");
  EXPECT_TRUE(memo.lines().empty());
}

}  // namespace
