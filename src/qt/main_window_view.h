#pragma once

#include <QPoint>
#include <QPushButton>
#include <QStackedWidget>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/main_form.h"
#include "qt/build_options.h"
#include "qt/popup_menu_view.h"
#include "qt/status_bar_view.h"
#include "qt/tray_icon_view.h"

namespace qtui {

struct MainWindowOptions {
  BuildOptions build;
  // Without a notification area a window sent to the tray could never come back: it goes to
  // the task bar instead, and coming back from there counts as the tray icon's double-click.
  bool trayAvailable = true;
};

// The main window: frameless, its background, outline and title band drawn here, the two
// notebooks side by side, the title buttons, the help button and menu, the status bar and the
// tray icon. It shows what the model's main window says and reports what the user does to it.
class MainWindowView : public QWidget {
 public:
  MainWindowView(app::TForm1& form, MainWindowOptions options);

  // Runs once the model's main window has closed (the program ends then).
  std::function<void()> onClosed;

  QStackedWidget& leftNotebook() const { return *left_; }
  QStackedWidget& rightNotebook() const { return *right_; }
  StatusBarView& statusBar() const { return *status_; }
  PopupMenuView& popupMenu() const { return *menu_; }
  TrayIconView& trayIcon() const { return *tray_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void buildChrome();
  void applyWindowState();
  void placeOnFirstShow();
  // Sent to the tray: hidden, with no task-bar button.
  bool parkedInTray() const;

  app::TForm1& form_;
  MainWindowOptions options_;
  QStackedWidget* left_ = nullptr;
  QStackedWidget* right_ = nullptr;
  StatusBarView* status_ = nullptr;
  PopupMenuView* menu_ = nullptr;
  TrayIconView* tray_ = nullptr;
  bool applying_ = false;
  bool placed_ = false;
  std::optional<QPoint> dragOffset_;
};

}  // namespace qtui
