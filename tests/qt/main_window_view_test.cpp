
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <memory>

#include "qt/main_window_view.h"
#include "qt/window_view.h"
#include "qt_app.h"
#include "support/test_machine.h"

namespace {

// Every control a notebook's pages show, nested notebooks' pages too, and the names of the
// group boxes and panels around them.
void CollectNames(const ui::LayoutNode& node, std::vector<std::string>& names);

void CollectNames(const ui::Notebook& notebook, std::vector<std::string>& names) {
  for (const auto& page : notebook.pages()) CollectNames(page->layout, names);
}

void CollectNames(const ui::LayoutNode& node, std::vector<std::string>& names) {
  if (node.control) names.push_back(node.control->name());
  if (node.kind == ui::LayoutNode::Kind::Group) names.push_back(node.name);
  if (auto* inner = dynamic_cast<const ui::Notebook*>(node.control)) CollectNames(*inner, names);
  for (const ui::LayoutNode& child : node.children) CollectNames(child, names);
}

// The page a notebook's stack shows, looking through the scroll area a page may sit in.
QString ShownPage(const QStackedWidget& stack) {
  QWidget* current = stack.currentWidget();
  if (auto* scroll = qobject_cast<QScrollArea*>(current)) current = scroll->widget();
  return current ? current->objectName() : QString();
}

class MainWindowViewTest : public qt_testing::QtTest {
 protected:
  MainWindowViewTest() { machine.start(); }

  app::TForm1& form() { return machine.form(); }

  qtui::MainWindowView& view(bool trayAvailable = true) {
    if (!view_) {
      view_ = std::make_unique<qtui::MainWindowView>(form(),
                                                     qtui::MainWindowOptions{{}, trayAvailable});
      view_->onClosed = [this] { ++closings; };
    }
    return *view_;
  }

  template <typename T = QWidget>
  T* widget(const std::string& name) {
    return view().findChild<T*>(QString::fromStdString(name));
  }

  testing_support::TestMachine machine;
  int closings = 0;

 private:
  std::unique_ptr<qtui::MainWindowView> view_;
};

TEST_F(MainWindowViewTest, EveryControlOfEveryPageHasItsWidget) {
  std::vector<std::string> names;
  CollectNames(form().nbLeft, names);
  CollectNames(form().nbRight, names);
  ASSERT_GT(names.size(), 50u);
  for (const std::string& name : names) EXPECT_NE(widget(name), nullptr) << name;
  for (const char* chrome :
       {"nbLeft", "nbRight", "ibMinimize", "ibMiniToTray", "ibClose", "FlatButton1", "lblWebSite",
        "sbStatusBar", "spStatus1", "spStatus2", "spStatus3"}) {
    EXPECT_NE(widget(chrome), nullptr) << chrome;
  }
}

TEST_F(MainWindowViewTest, TheWindowIsFramelessAtItsSizeAndShown) {
  qtui::MainWindowView& main = view();
  EXPECT_EQ(main.size(), QSize(699, 528));
  EXPECT_TRUE(main.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(main.isVisible());
  EXPECT_EQ(main.windowTitle(), "Sparvane Utilities 2006");
  EXPECT_EQ(widget("ibClose")->toolTip(), "Close");
  EXPECT_EQ(widget("lblWebSite")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MainWindowViewTest, NavigationMovesBothStacksWithTheModel) {
  qtui::MainWindowView& main = view();
  EXPECT_EQ(ShownPage(main.rightNotebook()), "snbWelcome");
  EXPECT_EQ(ShownPage(main.leftNotebook()), "snbDefault");

  widget<QPushButton>("sgbRepair")->click();
  EXPECT_EQ(form().nbRight.activeName(), "snbDefault");
  EXPECT_EQ(ShownPage(main.rightNotebook()), "snbDefault");
  EXPECT_TRUE(widget<QPushButton>("sgbRepair")->isChecked());
  EXPECT_FALSE(widget<QPushButton>("sgbMainWelcome")->isChecked());

  auto* link = widget<QLabel>("lblIERepair");
  const QPointF at(3, 3);
  QMouseEvent press(QEvent::MouseButtonPress, at, link->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, link->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(link, &press);
  QApplication::sendEvent(link, &release);
  EXPECT_EQ(form().nbLeft.activeName(), "snbIERepair");
  EXPECT_EQ(ShownPage(main.leftNotebook()), "snbIERepair");
  EXPECT_EQ(ShownPage(main.rightNotebook()), "snbIERepair");
  // The page change shows the IE Save button and raises its panel.
  EXPECT_FALSE(widget("sgbIERepairActionSave")->isHidden());
  EXPECT_EQ(widget("rpIERepairAction")->height(), 153);

  widget<QPushButton>("sgbIERepairView")->click();
  EXPECT_EQ(ShownPage(main.rightNotebook()), "snbIEView");
  EXPECT_TRUE(widget("sgbIERepairActionSave")->isHidden());
  EXPECT_EQ(widget<QPushButton>("sgbIERepairActionRepair")->text(), "&Save");
  EXPECT_TRUE(widget<QPushButton>("sgbIERepairView")->isChecked());
  EXPECT_FALSE(widget<QPushButton>("sgbIERepairQS")->isChecked());
}

TEST_F(MainWindowViewTest, ModelStateShowsInTheWidgets) {
  view();
  form().sgbIERepairActionRepair.setCaption("&Delete");
  EXPECT_EQ(widget<QPushButton>("sgbIERepairActionRepair")->text(), "&Delete");
  form().clbIEQuickStart.setChecked(0, false);
  EXPECT_EQ(widget<QListWidget>("clbIEQuickStart")->item(0)->checkState(), Qt::Unchecked);
  ui::CheckAll(form().clbIEQuickStart);
  EXPECT_EQ(widget<QListWidget>("clbIEQuickStart")->item(0)->checkState(), Qt::Checked);
  form().chkExeOnStart.setChecked(true);
  EXPECT_TRUE(widget<QCheckBox>("chkExeOnStart")->isChecked());
  form().bgMain.press(form().sgbClean);
  EXPECT_TRUE(widget<QPushButton>("sgbClean")->isChecked());
  EXPECT_FALSE(widget<QPushButton>("sgbMainWelcome")->isChecked());
}

TEST_F(MainWindowViewTest, StatusPaneTextShowsAtOnceAndHoverSetsTheHint) {
  qtui::MainWindowView& main = view();
  QLabel* pane = main.statusBar().pane(form().spStatus1);
  ASSERT_NE(pane, nullptr);
  EXPECT_EQ(pane->width(), 465);
  form().spStatus1.setText("Repairing...\rstep 2");
  EXPECT_EQ(pane->text(), "Repairing...\nstep 2");

  QWidget* scan = widget("sgbDiskCleanScan");
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(scan, &enter);
  EXPECT_EQ(pane->text(), "Scan the marked drives");
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(scan, &leave);
  EXPECT_EQ(pane->text(), "");

  EXPECT_TRUE(widget("spStatus2")->isHidden());
  form().lblDiskCleaner.click();
  EXPECT_FALSE(widget("spStatus2")->isHidden());
  EXPECT_FALSE(widget("spStatus3")->isHidden());
  QApplication::processEvents();  // the status bar lays out its panes again
  QWidget* second = widget("spStatus2");
  QWidget* third = widget("spStatus3");
  EXPECT_EQ(pane->geometry().right() + 1 + 2, second->x());
  EXPECT_EQ(second->width(), 120);
  EXPECT_EQ(second->geometry().right() + 1 + 2, third->x());
  EXPECT_GT(third->width(), 50);
}

TEST_F(MainWindowViewTest, TheHelpMenuOpensWithTheModelsItems) {
  qtui::MainWindowView& main = view();
  widget<QPushButton>("FlatButton1")->click();
  QMenu& menu = main.popupMenu().menu();
  EXPECT_TRUE(menu.isVisible());
  QStringList texts;
  for (QAction* action : menu.actions()) texts << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(texts, (QStringList{"&Help", "-", "Sparvane &Website", "Sparvane &Support", "&Feedback",
                                "-", "&About"}));
  menu.findChild<QAction*>("About1")->trigger();
  EXPECT_TRUE(machine.program().form3.Form3.showing());
  menu.close();
}

TEST_F(MainWindowViewTest, TheTrayHidesTheWindowAndADoubleClickBringsItBack) {
  qtui::MainWindowView& main = view(true);
  EXPECT_FALSE(main.trayIcon().icon().isVisible());
  EXPECT_EQ(main.trayIcon().icon().toolTip(), "Sparvane Utilities 2006");
  widget<QAbstractButton>("ibMiniToTray")->click();
  EXPECT_FALSE(main.isVisible());
  EXPECT_TRUE(main.windowFlags().testFlag(Qt::Tool));  // no task-bar button
  EXPECT_TRUE(main.trayIcon().icon().isVisible());

  form().ctiTrayIcon.doubleClick();
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(main.windowFlags().testFlag(Qt::Tool));
}

TEST_F(MainWindowViewTest, WithoutATrayTheWindowWaitsOnTheTaskBar) {
  qtui::MainWindowView& main = view(false);
  form().ibMiniToTray.click();
  EXPECT_TRUE(main.isVisible());
  EXPECT_TRUE(main.isMinimized());
  EXPECT_FALSE(main.windowFlags().testFlag(Qt::Tool));

  // The user restores it from the task bar: the model hears the tray's double-click.
  main.setWindowState(Qt::WindowNoState);
  EXPECT_EQ(form().Form1.state(), ui::WindowState::Normal);
  EXPECT_TRUE(form().Form1.taskbarButton());
}

TEST_F(MainWindowViewTest, MinimizingFromTheWindowManagerIsTheModelsMinimize) {
  qtui::MainWindowView& main = view();
  main.setWindowState(Qt::WindowMinimized);
  EXPECT_EQ(form().Form1.state(), ui::WindowState::Minimized);
  main.setWindowState(Qt::WindowNoState);
  EXPECT_EQ(form().Form1.state(), ui::WindowState::Normal);
}

TEST_F(MainWindowViewTest, ClosingEndsTheProgramOnlyWhenTheModelCloses) {
  qtui::MainWindowView& main = view();
  int queries = 0;
  bool refuse = true;
  form().Form1.onCloseQuery = [&](bool& canClose) {
    ++queries;
    canClose = !refuse;
  };
  EXPECT_FALSE(main.close());
  EXPECT_EQ(queries, 1);
  EXPECT_TRUE(main.isVisible());
  EXPECT_EQ(closings, 0);

  refuse = false;
  widget<QAbstractButton>("ibClose")->click();
  EXPECT_EQ(form().Form1.state(), ui::WindowState::Closed);
  EXPECT_FALSE(main.isVisible());
  EXPECT_EQ(closings, 1);
}

TEST_F(MainWindowViewTest, TheAboutWindowFollowsItsModelWindow) {
  qtui::MainWindowView& main = view();
  qtui::WindowOptions options;
  options.fixedSize = true;
  options.margin = 0;
  options.inset = 28;
  ui::Window& about = machine.program().form3.Form3;
  qtui::WindowView aboutView(about, &main, options);
  EXPECT_FALSE(aboutView.isVisible());
  EXPECT_EQ(aboutView.size(), QSize(447, 356));
  EXPECT_EQ(aboutView.windowTitle(), "About Sparvane Utilities 2006");
  EXPECT_NE(aboutView.findChild<QLabel*>("lblWeb"), nullptr);

  form().About1Click();
  EXPECT_TRUE(aboutView.isVisible());
  const QPoint offset = aboutView.frameGeometry().center() - main.frameGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 3);  // rounding of odd sizes and the frame
  aboutView.close();                       // the window manager's close only hides it
  EXPECT_EQ(about.state(), ui::WindowState::Hidden);
  EXPECT_FALSE(aboutView.isVisible());
}

}  // namespace
