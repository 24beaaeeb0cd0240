#pragma once

#include <QColor>
#include <QWidget>
#include <optional>
#include <vector>

#include "qt/build_options.h"
#include "ui/window.h"

namespace qtui {

struct WindowOptions {
  BuildOptions build;
  // A dialog whose size the user cannot change.
  bool fixedSize = false;
  std::optional<QColor> background;
  // Pixels between the window's edges and its content; a full-width header picture at the top
  // keeps to the edges, and the other content is set in by `inset` on both sides.
  int margin = 12;
  int inset = 0;
  // The window's own font size in points; 0 keeps the program's.
  int pointSize = 0;
};

// A top-level window laid out from the model window's content tree: captioned, sized and
// placed as the model says, shown while the model's window is. Closing it from the window
// manager hides it.
class WindowView : public QWidget {
 public:
  // `owner` is the window an owner-centred window is centred over.
  WindowView(ui::Window& window, QWidget* owner, WindowOptions options);

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void applyState();
  void placeOnShow();

  ui::Window& window_;
  QWidget* owner_;
  WindowOptions options_;
  bool applying_ = false;
};

}  // namespace qtui
