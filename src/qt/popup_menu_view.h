#pragma once

#include <QMenu>
#include <memory>

#include "ui/popup_menu.h"
#include "ui/signal.h"

namespace qtui {

// A popup menu, opened at the mouse cursor whenever the model asks; choosing an item is the
// model item's click.
class PopupMenuView : public QObject {
 public:
  PopupMenuView(ui::PopupMenu& menu, QObject* parent);

  // The menu as it was last opened.
  QMenu& menu() { return menu_; }
  // Fills the menu from the model's items.
  void rebuild();

 private:
  ui::PopupMenu& model_;
  QMenu menu_;
  ui::Connection connection_;
};

}  // namespace qtui
