
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <memory>

#include "qt/page_builder.h"
#include "qt/panel_view.h"
#include "qt_app.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/check_list.h"
#include "ui/edit_field.h"
#include "ui/label.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/tree_view.h"

namespace {

using namespace ui::layout;

template <typename T>
T* Find(QWidget& root, const char* name) {
  return root.findChild<T*>(QString::fromLatin1(name));
}

void Click(QWidget& widget) {
  const QPointF at(2, 2);
  QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &press);
  QApplication::sendEvent(&widget, &release);
}

// A page with one control of each kind, in each kind of node.
class PageBuilderTest : public qt_testing::QtTest {
 protected:
  PageBuilderTest() {
    radio.add(first);
    radio.add(second);
    radio.press(first);
    inner.addPage("pgOne").layout = column({item(innerLabel)});
    inner.addPage("pgTwo").layout = column({item(innerButton)});
    tree.addNode("Root");
    tree.addNode("Child", 0);
    checks.setItems({"One", "Two"});
    checks.setChecked(1, true);
    root =
        column({group("grpOptions", "&Options", {item(box), item(field)}),
                panel(actions, {item(first), item(second), item(plain)}),
                row({item(note), stretch(), spacing(4), item(checks)}), item(inner), item(tree)});
    widget.reset(qtui::BuildLayout(root, nullptr, {}));
  }

  ui::ButtonGroup radio{"bgTest", true};
  ui::Button first{"sgbFirst", "&First", "The first"};
  ui::Button second{"sgbSecond", "&Second"};
  ui::Button plain{"xpbPlain", "&Plain"};
  ui::Panel actions{"rpActions", "Actions"};
  ui::CheckBox box{"chkBox", "&Box"};
  ui::EditField field{"edtField", "text"};
  ui::Label note{"lblNote", "Line one\r\nLine two & more"};
  ui::CheckList checks{"clbChecks"};
  ui::Notebook inner{"nbInner"};
  ui::Label innerLabel{"lblInner", "inner"};
  ui::Button innerButton{"xpbInner", "Inner"};
  ui::TreeView tree{"tvTree"};
  ui::LayoutNode root;
  std::unique_ptr<QWidget> widget;
};

TEST_F(PageBuilderTest, EveryNodeGetsItsNamedWidget) {
  auto* groupBox = Find<QGroupBox>(*widget, "grpOptions");
  ASSERT_NE(groupBox, nullptr);
  EXPECT_EQ(groupBox->title(), "&Options");
  EXPECT_EQ(groupBox->accessibleName(), "Options");
  EXPECT_NE(Find<QCheckBox>(*groupBox, "chkBox"), nullptr);
  EXPECT_NE(Find<QLineEdit>(*groupBox, "edtField"), nullptr);
  auto* panelView = Find<qtui::PanelView>(*widget, "rpActions");
  ASSERT_NE(panelView, nullptr);
  EXPECT_NE(Find<QPushButton>(*panelView, "sgbFirst"), nullptr);
  EXPECT_NE(Find<QListWidget>(*widget, "clbChecks"), nullptr);
  EXPECT_NE(Find<QTreeWidget>(*widget, "tvTree"), nullptr);
  auto* stack = Find<QStackedWidget>(*widget, "nbInner");
  ASSERT_NE(stack, nullptr);
  EXPECT_EQ(stack->count(), 2);
  EXPECT_NE(Find<QLabel>(*stack, "lblInner"), nullptr);
  EXPECT_NE(Find<QPushButton>(*stack, "xpbInner"), nullptr);
}

TEST_F(PageBuilderTest, TextsShowAsQtShowsThem) {
  auto* button = Find<QPushButton>(*widget, "sgbFirst");
  EXPECT_EQ(button->text(), "&First");
  EXPECT_EQ(button->accessibleName(), "First");
  EXPECT_EQ(button->toolTip(), "The first");
  auto* label = Find<QLabel>(*widget, "lblNote");
  EXPECT_EQ(label->text(), "Line one\nLine two & more");
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

TEST_F(PageBuilderTest, ModelChangesShowLive) {
  auto* button = Find<QPushButton>(*widget, "xpbPlain");
  plain.setCaption("&Delete");
  plain.setEnabled(false);
  plain.setHint("Delete it");
  EXPECT_EQ(button->text(), "&Delete");
  EXPECT_FALSE(button->isEnabled());
  EXPECT_EQ(button->toolTip(), "Delete it");
  plain.setVisible(false);
  EXPECT_TRUE(button->isHidden());
  plain.setVisible(true);
  EXPECT_FALSE(button->isHidden());

  field.setText("changed");
  EXPECT_EQ(Find<QLineEdit>(*widget, "edtField")->text(), "changed");
  box.setChecked(true);
  EXPECT_TRUE(Find<QCheckBox>(*widget, "chkBox")->isChecked());
  note.setBold(true);
  EXPECT_TRUE(Find<QLabel>(*widget, "lblNote")->font().bold());
  inner.setActivePage("pgTwo");
  EXPECT_EQ(Find<QStackedWidget>(*widget, "nbInner")->currentIndex(), 1);
  tree.setSelectedIndex(1);
  EXPECT_EQ(Find<QTreeWidget>(*widget, "tvTree")->currentItem()->text(0), "Child");
}

TEST_F(PageBuilderTest, PanelHeightFollowsTheModel) {
  auto* panelView = Find<qtui::PanelView>(*widget, "rpActions");
  EXPECT_EQ(panelView->maximumHeight(), QWIDGETSIZE_MAX);
  actions.setHeight(153);
  EXPECT_EQ(panelView->minimumHeight(), 153);
  EXPECT_EQ(panelView->maximumHeight(), 153);
  actions.setHeight(0);
  EXPECT_EQ(panelView->maximumHeight(), QWIDGETSIZE_MAX);
}

TEST_F(PageBuilderTest, RadioButtonsShowTheModelsPressedOne) {
  auto* firstView = Find<QPushButton>(*widget, "sgbFirst");
  auto* secondView = Find<QPushButton>(*widget, "sgbSecond");
  auto* plainView = Find<QPushButton>(*widget, "xpbPlain");
  EXPECT_TRUE(firstView->isCheckable());
  EXPECT_FALSE(plainView->isCheckable());
  EXPECT_TRUE(firstView->isChecked());

  secondView->click();
  EXPECT_TRUE(second.pressed());
  EXPECT_TRUE(secondView->isChecked());
  EXPECT_FALSE(firstView->isChecked());
  // Qt alone would release a checked button clicked again; the model keeps it pressed.
  secondView->click();
  EXPECT_TRUE(secondView->isChecked());
}

TEST_F(PageBuilderTest, UserActionsReachTheModel) {
  int clicks = 0;
  plain.onClick = [&] { ++clicks; };
  Find<QPushButton>(*widget, "xpbPlain")->click();
  EXPECT_EQ(clicks, 1);

  Find<QCheckBox>(*widget, "chkBox")->click();
  EXPECT_TRUE(box.checked());

  auto* edit = Find<QLineEdit>(*widget, "edtField");
  edit->selectAll();
  edit->insert("typed");  // as the keyboard does: textEdited follows
  EXPECT_EQ(field.text(), "typed");

  int labelClicks = 0;
  note.onClick = [&] { ++labelClicks; };
  Click(*Find<QLabel>(*widget, "lblNote"));
  EXPECT_EQ(labelClicks, 1);
}

TEST_F(PageBuilderTest, CheckListTicksAndSelectionReachTheModel) {
  auto* view = Find<QListWidget>(*widget, "clbChecks");
  ASSERT_EQ(view->count(), 2);
  EXPECT_EQ(view->item(1)->checkState(), Qt::Checked);
  std::vector<int> ticked;
  checks.onClickCheck = [&](int index) { ticked.push_back(index); };
  view->item(0)->setCheckState(Qt::Checked);
  EXPECT_TRUE(checks.checked(0));
  EXPECT_EQ(ticked, std::vector<int>{0});
  view->setCurrentRow(1);
  EXPECT_EQ(checks.selectedIndex(), 1);

  ui::UncheckAll(checks);
  EXPECT_EQ(view->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(view->item(1)->checkState(), Qt::Unchecked);
  EXPECT_EQ(ticked.size(), 1u);  // the program's own marks run no callback
  checks.addItem("Three", true);
  ASSERT_EQ(view->count(), 3);
  EXPECT_EQ(view->item(2)->text(), "Three");
  EXPECT_EQ(view->item(2)->checkState(), Qt::Checked);
}

TEST_F(PageBuilderTest, ADisabledCheckListKeepsItsMarks) {
  auto* view = Find<QListWidget>(*widget, "clbChecks");
  checks.setEnabled(false);
  view->item(0)->setCheckState(Qt::Checked);
  EXPECT_FALSE(checks.checked(0));
  EXPECT_EQ(view->item(0)->checkState(), Qt::Unchecked);
}

TEST_F(PageBuilderTest, TreeClicksReachTheModel) {
  auto* view = Find<QTreeWidget>(*widget, "tvTree");
  int clicks = 0;
  tree.onClick = [&] { ++clicks; };
  QTreeWidgetItem* child = view->topLevelItem(0)->child(0);
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(view->topLevelItem(0)->isExpanded());
  Q_EMIT view->itemClicked(child, 0);
  EXPECT_EQ(tree.selectedIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(view->currentItem(), child);
}

}  // namespace
